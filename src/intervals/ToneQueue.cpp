#include "intervals/ToneQueue.h"

namespace tonalyst {

namespace {

bool isNoteOff(const MidiMessage& message) {
    const int kind = message.status & 0xF0;
    return kind == 0x80 || (kind == 0x90 && message.data2 == 0);
}

std::optional<MidiTimeline> timelineOf(std::variant<std::string, MidiTimeline> entry) {
    if (MidiTimeline* timeline = std::get_if<MidiTimeline>(&entry))
        return std::move(*timeline);
    return readMidiTimeline(std::get<std::string>(entry));
}

} // namespace

void ToneQueue::push(std::vector<std::string> paths) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_closed)
            return;
        for (std::string& path : paths)
            m_entries.emplace_back(std::move(path));
    }
    m_wake.notify_all();
}

void ToneQueue::push(MidiTimeline timeline) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_closed)
            return;
        m_entries.emplace_back(std::move(timeline));
    }
    m_wake.notify_all();
}

void ToneQueue::silence() {
    {
        const std::lock_guard lock(m_mutex);
        ++m_silences;
        m_entries.clear();
    }
    m_wake.notify_all();
}

void ToneQueue::close() {
    const std::lock_guard lock(m_mutex);
    m_closed = true;
    m_entries.clear();
}

void ToneQueue::run(ToneSink& sink, std::stop_token stop) {
    while (true) {
        Entry entry;
        std::uint64_t silences = 0;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return !m_entries.empty(); }))
                return;
            entry = std::move(m_entries.front());
            m_entries.pop_front();
            silences = m_silences;
        }
        if (const std::optional<MidiTimeline> timeline = timelineOf(std::move(entry)))
            sound(*timeline, silences, sink, stop);
        if (stop.stop_requested())
            return;
    }
}

void ToneQueue::sound(const MidiTimeline& timeline, std::uint64_t silences, ToneSink& sink,
                      const std::stop_token& stop) {
    const Clock::time_point start = Clock::now();
    const auto at = [start](double seconds) {
        return start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    };
    for (auto message = timeline.messages.begin(); message != timeline.messages.end(); ++message) {
        if (!sleepUntil(at(message->seconds), silences, stop)) {
            for (; message != timeline.messages.end(); ++message) {
                if (isNoteOff(*message))
                    sink.send(*message);
            }
            return;
        }
        sink.send(*message);
    }
    // The next file waits for this one's end, while the last note's release rings on.
    sleepUntil(at(timeline.lengthSeconds), silences, stop);
}

bool ToneQueue::sleepUntil(Clock::time_point deadline, std::uint64_t silences, const std::stop_token& stop) {
    std::unique_lock lock(m_mutex);
    const bool silenced = m_wake.wait_until(lock, stop, deadline, [&] { return m_silences != silences; });
    return !silenced && !stop.stop_requested();
}

} // namespace tonalyst
