#pragma once

#include "intervals/ToneSink.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <stop_token>
#include <string>
#include <variant>
#include <vector>

namespace tonalyst {

// Tone files and phrases waiting their turn. Any thread adds to it; one worker thread sounds
// them one after the other, each for its own length, so the adding thread never waits for a note.
class ToneQueue {
public:
    // Drops the files once the queue is closed.
    void push(std::vector<std::string> paths);
    // A timeline made in memory, sounded in its turn like a file.
    void push(MidiTimeline timeline);

    // Drops what waits and cuts short what sounds, releasing its notes; the queue stays open.
    void silence();

    // Nothing can sound: drops what waits and everything pushed later.
    void close();

    // The worker's loop: sends each file's messages to the sink when they fall due and starts
    // the next file when the last one has reached its end. A file that cannot be read is
    // skipped. Returns when stop is requested, releasing the notes it had started.
    void run(ToneSink& sink, std::stop_token stop);

private:
    using Clock = std::chrono::steady_clock;
    using Entry = std::variant<std::string, MidiTimeline>;

    void sound(const MidiTimeline& timeline, std::uint64_t silences, ToneSink& sink,
               const std::stop_token& stop);
    // False when stop was requested or the queue silenced (after `silences` silences) before the deadline.
    bool sleepUntil(Clock::time_point deadline, std::uint64_t silences, const std::stop_token& stop);

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::deque<Entry> m_entries;
    // Counts silence() calls: what started before the latest one is cut short.
    std::uint64_t m_silences = 0;
    bool m_closed = false;
};

} // namespace tonalyst
