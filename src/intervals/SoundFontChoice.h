#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tonalyst {

// The General MIDI soundfonts Tonalyst sounds its tones with, best first: Debian's
// FluidR3, the small TimGM6mb, then whatever the system names its default.
const std::vector<std::string>& soundFontCandidates();

// The first candidate that exists; nothing when none is installed.
std::optional<std::string> findSoundFont(const std::vector<std::string>& candidates = soundFontCandidates());

} // namespace tonalyst
