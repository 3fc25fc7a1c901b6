#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tonalyst {

// A written note: the letter step counted upwards from a C (letter index C=0 ... B=6,
// plus 7 per octave; staff position = step + 1) and the accidental value, the signed
// semitone offset from the natural letter (-2 double flat ... +2 double sharp).
struct SpelledNote {
    int step = 0;
    int accidental = 0;
    bool operator==(const SpelledNote&) const = default;
};

// After the answer preparation this accidental value marks a natural that needs no sign.
inline constexpr int kNoSignNeeded = 99;

// Accidental codes, shared with the staff pictures, the note buttons and tone playback.
enum AccidentalCode { NoSign = 0, Natural = 1, Sharp = 2, Flat = 3, DoubleSharp = 4, DoubleFlat = 5 };

// Indexed by accidental code: the suffix shown in answers, and the music-font character.
inline constexpr std::array<std::string_view, 6> accname{" ",     "-natural ", "-sharp ",
                                                         "-flat", "-dblShrp",  "-dblFlat"};
inline constexpr std::array<std::string_view, 6> accglyph{"", "n", "#", "b", "\xC3\x9C", "\xC2\xBA"};

// Indexed by staff position: position 0 is the B below the first C, so a note with
// letter step s is named lettername[s + 1].
inline constexpr std::array<std::string_view, 16> lettername{"B", "C", "D", "E", "F", "G", "A", "B",
                                                             "C", "D", "E", "F", "G", "A", "B", "C"};

// Indexed by tonic accidental + 1.
inline constexpr std::array<std::string_view, 3> tonicaccname{"-flat", "", "-sharp"};

// The code of an accidental value (99 included); nothing for values beyond a double sharp or flat.
std::optional<int> accidentalCode(int accidental);

// Letter index 0..6 of any letter step, including steps below the first C.
int letterIndex(int step);

// "C", "A-flat", "F-double-sharp": a note's name for listings.
std::string noteName(const SpelledNote& note);

// Whether a student can write the note at all: the staff and the keyboard hold no
// triple accidentals, no double sharp on E or B and no double flat on C or F.
bool isWritable(const SpelledNote& note);

} // namespace tonalyst
