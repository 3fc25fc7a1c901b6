#include "intervals/ToneQueue.h"

namespace tonalyst {

namespace {

bool isNoteOff(const MidiMessage& message) {
    const int kind = message.status & 0xF0;
    return kind == 0x80 || (kind == 0x90 && message.data2 == 0);
}

} // namespace

void ToneQueue::push(std::vector<std::string> paths) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_closed)
            return;
        for (std::string& path : paths)
            m_paths.push_back(std::move(path));
    }
    m_wake.notify_all();
}

void ToneQueue::close() {
    const std::lock_guard lock(m_mutex);
    m_closed = true;
    m_paths.clear();
}

void ToneQueue::run(ToneSink& sink, std::stop_token stop) {
    while (true) {
        std::string path;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return !m_paths.empty(); }))
                return;
            path = std::move(m_paths.front());
            m_paths.pop_front();
        }
        if (const std::optional<MidiTimeline> timeline = readMidiTimeline(path))
            sound(*timeline, sink, stop);
        if (stop.stop_requested())
            return;
    }
}

void ToneQueue::sound(const MidiTimeline& timeline, ToneSink& sink, const std::stop_token& stop) {
    const Clock::time_point start = Clock::now();
    const auto at = [start](double seconds) {
        return start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    };
    for (auto message = timeline.messages.begin(); message != timeline.messages.end(); ++message) {
        if (!sleepUntil(at(message->seconds), stop)) {
            for (; message != timeline.messages.end(); ++message) {
                if (isNoteOff(*message))
                    sink.send(*message);
            }
            return;
        }
        sink.send(*message);
    }
    // The next file waits for this one's end, while the last note's release rings on.
    sleepUntil(at(timeline.lengthSeconds), stop);
}

bool ToneQueue::sleepUntil(Clock::time_point deadline, const std::stop_token& stop) {
    std::unique_lock lock(m_mutex);
    m_wake.wait_until(lock, stop, deadline, [] { return false; });
    return !stop.stop_requested();
}

} // namespace tonalyst
