#include "intervals/MidiTimeline.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace tonalyst {

namespace {

// One-note files are tiny; anything this big is not one of them.
constexpr std::size_t kLargestFile = 1 << 20;
constexpr std::uint32_t kDefaultMicrosecondsPerQuarter = 500000;

// A message or tempo change at its absolute tick. Ties keep track and file order.
struct TickEvent {
    std::uint32_t tick = 0;
    bool isTempo = false;
    std::uint32_t microsecondsPerQuarter = 0;
    MidiMessage message;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_at >= m_bytes.size(); }
    std::size_t left() const { return m_bytes.size() - m_at; }

    std::optional<std::uint32_t> fixed(int count) {
        if (left() < static_cast<std::size_t>(count))
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = (value << 8) | m_bytes[m_at++];
        return value;
    }

    std::optional<std::uint32_t> variable() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            if (atEnd())
                return std::nullopt;
            const std::uint8_t byte = m_bytes[m_at++];
            value = (value << 7) | (byte & 0x7F);
            if ((byte & 0x80) == 0)
                return value;
        }
        return std::nullopt;
    }

    std::optional<std::span<const std::uint8_t>> take(std::size_t count) {
        if (left() < count)
            return std::nullopt;
        const auto part = m_bytes.subspan(m_at, count);
        m_at += count;
        return part;
    }

    std::optional<std::uint8_t> peek() const {
        if (atEnd())
            return std::nullopt;
        return m_bytes[m_at];
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

int dataBytesOf(std::uint8_t status) {
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// Appends the track's events; returns the tick of its last event, or nothing when the
// track is malformed.
std::optional<std::uint32_t> readTrack(std::span<const std::uint8_t> bytes, std::vector<TickEvent>& events) {
    ByteReader track(bytes);
    std::uint32_t tick = 0;
    std::uint8_t runningStatus = 0;
    while (!track.atEnd()) {
        const auto delta = track.variable();
        const auto first = track.peek();
        if (!delta || !first)
            return std::nullopt;
        tick += *delta;
        if (*first == 0xFF) {
            track.fixed(1);
            const auto type = track.fixed(1);
            const auto length = type ? track.variable() : std::nullopt;
            const auto data = length ? track.take(*length) : std::nullopt;
            if (!data)
                return std::nullopt;
            if (*type == 0x51 && data->size() == 3) {
                const std::uint32_t tempo =
                    (std::uint32_t{(*data)[0]} << 16) | (std::uint32_t{(*data)[1]} << 8) | (*data)[2];
                if (tempo > 0)
                    events.push_back({tick, true, tempo, {}});
            }
            if (*type == 0x2F)
                return tick;
            continue;
        }
        if (*first == 0xF0 || *first == 0xF7) {
            track.fixed(1);
            const auto length = track.variable();
            if (!length || !track.take(*length))
                return std::nullopt;
            runningStatus = 0;
            continue;
        }
        if (*first & 0x80) {
            if (*first > 0xEF)
                return std::nullopt;
            runningStatus = static_cast<std::uint8_t>(*track.fixed(1));
        }
        if (runningStatus == 0)
            return std::nullopt;
        const auto data = track.take(static_cast<std::size_t>(dataBytesOf(runningStatus)));
        if (!data || std::any_of(data->begin(), data->end(), [](std::uint8_t b) { return b & 0x80; }))
            return std::nullopt;
        MidiMessage message{0.0, runningStatus, (*data)[0], data->size() > 1 ? (*data)[1] : std::uint8_t{0}};
        events.push_back({tick, false, 0, message});
    }
    return tick;
}

} // namespace

std::optional<MidiTimeline> parseMidiTimeline(std::span<const std::uint8_t> bytes) {
    ByteReader file(bytes);
    const auto magic = file.fixed(4);
    const auto headerLength = file.fixed(4);
    if (magic != 0x4D546864u || !headerLength || *headerLength < 6)
        return std::nullopt;
    const auto header = file.take(*headerLength);
    if (!header)
        return std::nullopt;
    ByteReader head(*header);
    head.fixed(2);
    const auto trackCount = head.fixed(2);
    const auto division = head.fixed(2);
    if (!trackCount || !division || *division == 0 || (*division & 0x8000))
        return std::nullopt;

    std::vector<TickEvent> events;
    std::uint32_t lastTick = 0;
    std::uint32_t tracksRead = 0;
    while (tracksRead < *trackCount) {
        const auto chunkType = file.fixed(4);
        const auto chunkLength = chunkType ? file.fixed(4) : std::nullopt;
        const auto chunk = chunkLength ? file.take(*chunkLength) : std::nullopt;
        if (!chunk)
            return std::nullopt;
        // Chunks of unknown type are to be skipped, not counted as tracks.
        if (*chunkType != 0x4D54726Bu)
            continue;
        ++tracksRead;
        const auto trackEnd = readTrack(*chunk, events);
        if (!trackEnd)
            return std::nullopt;
        lastTick = std::max(lastTick, *trackEnd);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const TickEvent& a, const TickEvent& b) { return a.tick < b.tick; });

    MidiTimeline timeline;
    double secondsPerTick = kDefaultMicrosecondsPerQuarter * 1e-6 / *division;
    std::uint32_t tempoTick = 0;
    double tempoSeconds = 0.0;
    const auto secondsAt = [&](std::uint32_t tick) {
        return tempoSeconds + (tick - tempoTick) * secondsPerTick;
    };
    for (const TickEvent& event : events) {
        if (event.isTempo) {
            tempoSeconds = secondsAt(event.tick);
            tempoTick = event.tick;
            secondsPerTick = event.microsecondsPerQuarter * 1e-6 / *division;
            continue;
        }
        MidiMessage message = event.message;
        message.seconds = secondsAt(event.tick);
        timeline.messages.push_back(message);
    }
    timeline.lengthSeconds = secondsAt(lastTick);
    return timeline;
}

std::optional<MidiTimeline> readMidiTimeline(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(256);
    std::istreambuf_iterator<char> it(in), end;
    for (; it != end && bytes.size() <= kLargestFile; ++it)
        bytes.push_back(static_cast<std::uint8_t>(*it));
    if (bytes.size() > kLargestFile)
        return std::nullopt;
    return parseMidiTimeline(bytes);
}

} // namespace tonalyst
