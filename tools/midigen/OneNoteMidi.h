#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tonalyst {

// A standard MIDI file that sounds a single note on the first channel.
struct OneNote {
    int key = 60;
    int velocity = 90;
    int program = 0; // General MIDI acoustic grand piano
    double soundingSeconds = 0.7;
    // Where the file ends; a player moves on to the next file at this point.
    double lengthSeconds = 0.7;
};

std::vector<std::uint8_t> oneNoteMidi(const OneNote& note);

// True when the whole file was written.
bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace tonalyst
