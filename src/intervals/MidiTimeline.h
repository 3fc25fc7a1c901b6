#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tonalyst {

// A channel message of a MIDI file and when it falls, in seconds from the file's start.
struct MidiMessage {
    double seconds = 0.0;
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    bool operator==(const MidiMessage&) const = default;
};

// The channel messages of a standard MIDI file in playing order, with the file's length:
// the time of its last event, end-of-track marks included.
struct MidiTimeline {
    std::vector<MidiMessage> messages;
    double lengthSeconds = 0.0;
};

// Nothing when the bytes are not a standard MIDI file with musical-time division.
std::optional<MidiTimeline> parseMidiTimeline(std::span<const std::uint8_t> bytes);

// Nothing when the file cannot be read or is not a standard MIDI file.
std::optional<MidiTimeline> readMidiTimeline(const std::string& path);

} // namespace tonalyst
