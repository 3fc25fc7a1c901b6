#pragma once

#include "theory/Pitch.h"

#include <array>

namespace tonalyst {

// Entry j holds the semitones from step j - 1 up to step j, the pattern of seven
// repeated three times (entry 0 and 7 lead into the first step).
using StepTable = std::array<int, 21>;

inline constexpr StepTable naturalsteps{1, 2, 2, 1, 2, 2, 2, 1, 2, 2, 1, 2, 2, 2, 1, 2, 2, 1, 2, 2, 2};
inline constexpr StepTable majorsteps{1, 2, 2, 1, 2, 2, 2, 1, 2, 2, 1, 2, 2, 2, 1, 2, 2, 1, 2, 2, 2};
inline constexpr StepTable minorsteps{2, 2, 1, 2, 2, 1, 2, 2, 2, 1, 2, 2, 1, 2, 2, 2, 1, 2, 2, 1, 2};

// The seven degrees of a scale, tonic first, letter steps running upwards from the tonic.
using ScaleDegrees = std::array<Pitch, 7>;

// Spells the scale on the tonic (letter index 0..6, accidental) with the step pattern given.
ScaleDegrees buildscale(int tonicLetter, int tonicAccidental, const StepTable& stepsinuse);

} // namespace tonalyst
