#pragma once

#include "theory/Key.h"
#include "theory/RandomSource.h"

#include <string>
#include <string_view>

namespace tonalyst {

// Moving a drawn degree index to its alternative (borrowed from the other mode, or
// with the raised notes of the minor scale), and altering the scale to match.

// Tosses the coin for a triad's degree index d (0..6); returns d or d + 7.
int alternateTriad(int d, bool minorKey, bool mixture, RandomSource& random);

// Tosses the coin for a seventh's degree index d (0..5); returns d or d + 6.
int alternateSeventh(int d, bool minorKey, bool mixture, RandomSource& random);

// Alters both octave copies of the degrees that the triad alternative d needs; returns
// the hint that goes with it, or nothing for an unaltered chord.
std::string_view alterTriadDegrees(int d, bool minorKey, ScaleTable& scaleacc);
std::string_view alterSeventhDegrees(int d, bool minorKey, ScaleTable& scaleacc);

// One of the hints above as the student reads it, in the language chosen.
std::string translatedHint(std::string_view hint);

} // namespace tonalyst
