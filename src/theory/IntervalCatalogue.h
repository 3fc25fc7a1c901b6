#pragma once

#include "theory/Pitch.h"

#include <array>
#include <string_view>

namespace tonalyst {

// One interval of the catalogue. The upper note is the major-scale degree `steps`
// above the lower note, its accidental moved by `shift`.
struct IntervalEntry {
    std::string_view name;      // the interval-type caption: "Third :"
    std::string_view quality;   // the quality caption: "minor"
    int steps;                  // scale steps, 0 unison ... 7 octave
    int shift;                  // semitones added to the major-scale degree
    bool advanced;              // asked only with "advanced intervals"
    std::string_view shortName; // "m3"
};

// By catalogue number 0..19. Number 0, the unison, is in the menus but never asked.
inline constexpr std::array<IntervalEntry, 20> kIntervals{{
    {"Unison :", "perfect", 0, 0, false, "P1"},        {"Second :", "minor", 1, -1, false, "m2"},
    {"Second :", "major", 1, 0, false, "M2"},          {"Second :", "augmented", 1, 1, true, "aug-2"},
    {"Third :", "diminished", 2, -2, true, "dim-3"},   {"Third :", "minor", 2, -1, false, "m3"},
    {"Third :", "major", 2, 0, false, "M3"},           {"Fourth :", "diminished", 3, -1, true, "dim-4"},
    {"Fourth :", "perfect", 3, 0, false, "P4"},        {"Fourth :", "augmented", 3, 1, true, "aug-4"},
    {"Fifth :", "diminished", 4, -1, false, "dim-5"},  {"Fifth :", "perfect", 4, 0, false, "P5"},
    {"Fifth :", "augmented", 4, 1, true, "aug-5"},     {"Sixth :", "minor", 5, -1, false, "m6"},
    {"Sixth :", "major", 5, 0, false, "M6"},           {"Sixth :", "augmented", 5, 1, true, "aug-6"},
    {"Seventh :", "diminished", 6, -2, true, "dim-7"}, {"Seventh :", "minor", 6, -1, false, "m7"},
    {"Seventh :", "major", 6, 0, false, "M7"},         {"Octave :", "perfect", 7, 0, false, "P8"},
}};

inline constexpr int kUnison = 0;
inline constexpr int kDiminishedFifth = 10;
inline constexpr int kOctave = 19;

} // namespace tonalyst
