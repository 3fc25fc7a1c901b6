#pragma once

#include "intervals/ToneSink.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <stop_token>
#include <string>
#include <vector>

namespace tonalyst {

// Tone files waiting their turn. Any thread adds to it; one worker thread sounds them one
// after the other, each for its own length, so the adding thread never waits for a note.
class ToneQueue {
public:
    // Drops the files once the queue is closed.
    void push(std::vector<std::string> paths);

    // Nothing can sound: drops what waits and everything pushed later.
    void close();

    // The worker's loop: sends each file's messages to the sink when they fall due and starts
    // the next file when the last one has reached its end. A file that cannot be read is
    // skipped. Returns when stop is requested, releasing the notes it had started.
    void run(ToneSink& sink, std::stop_token stop);

private:
    using Clock = std::chrono::steady_clock;

    void sound(const MidiTimeline& timeline, ToneSink& sink, const std::stop_token& stop);
    // False when stop was requested before the deadline.
    bool sleepUntil(Clock::time_point deadline, const std::stop_token& stop);

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::deque<std::string> m_paths;
    bool m_closed = false;
};

} // namespace tonalyst
