#include "intervals/PhraseMidi.h"

#include <algorithm>
#include <cmath>

namespace tonalyst {

namespace {

constexpr int kTicksPerQuarter = 480;
constexpr std::uint8_t kPiano = 0;
constexpr std::uint8_t kReleaseVelocity = 64;

std::uint8_t dataByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

} // namespace

MidiTimeline phraseTimeline(const Phrase& phrase) {
    struct Timed {
        MidiMessage message;
        bool on = false;
    };
    std::vector<Timed> events;
    events.reserve(2 * phrase.notes.size());
    MidiTimeline timeline;
    for (const PhraseNote& note : phrase.notes) {
        const std::uint8_t key = dataByte(note.key);
        const double end = note.start + std::max(0.0, note.length);
        events.push_back({{note.start, 0x90, key, dataByte(std::max(1, note.velocity))}, true});
        events.push_back({{end, 0x80, key, kReleaseVelocity}, false});
        timeline.lengthSeconds = std::max(timeline.lengthSeconds, end);
    }
    std::stable_sort(events.begin(), events.end(), [](const Timed& a, const Timed& b) {
        if (a.message.seconds != b.message.seconds)
            return a.message.seconds < b.message.seconds;
        return !a.on && b.on;
    });
    timeline.messages.reserve(events.size() + 1);
    timeline.messages.push_back({0.0, 0xC0, kPiano, 0});
    for (const Timed& event : events)
        timeline.messages.push_back(event.message);
    return timeline;
}

std::vector<std::uint8_t> standardMidiFile(const MidiTimeline& timeline, int quartersPerMinute) {
    // Slower than four a minute the tempo event's three bytes would overflow.
    const int tempo = std::max(4, quartersPerMinute);
    const auto microsecondsPerQuarter = static_cast<std::uint32_t>(std::lround(60e6 / tempo));
    // Ticks from the start, each rounded once, so rounding never adds up along the file.
    const auto tickOf = [&](double seconds) {
        return static_cast<std::uint32_t>(
            std::max(0L, std::lround(seconds * 1e6 / microsecondsPerQuarter * kTicksPerQuarter)));
    };

    std::vector<std::uint8_t> track;
    putVariableLength(track, 0);
    track.insert(track.end(), {0xFF, 0x51, 0x03});
    putBigEndian(track, microsecondsPerQuarter, 3);
    std::uint32_t tick = 0;
    for (const MidiMessage& message : timeline.messages) {
        const std::uint32_t at = std::max(tick, tickOf(message.seconds));
        putVariableLength(track, at - tick);
        tick = at;
        track.push_back(message.status);
        track.push_back(dataByte(message.data1));
        const int kind = message.status & 0xF0;
        if (kind != 0xC0 && kind != 0xD0)
            track.push_back(dataByte(message.data2));
    }
    putVariableLength(track, std::max(tick, tickOf(timeline.lengthSeconds)) - tick);
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> file{'M', 'T', 'h', 'd'};
    putBigEndian(file, 6, 4);
    putBigEndian(file, 0, 2); // format 0: one track
    putBigEndian(file, 1, 2);
    putBigEndian(file, kTicksPerQuarter, 2);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    putBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

} // namespace tonalyst
