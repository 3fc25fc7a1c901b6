#pragma once

#include "theory/HeardInKey.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

enum class ChordQuality {
    Major,
    Minor,
    Diminished,
    Augmented,
    Dominant7,
    Major7,
    Minor7,
    HalfDiminished7,
    Diminished7
};

// A Roman numeral taken apart: which degree, how altered, what chord on it, which
// inversion, and the degree it is applied to ("V7/V").
struct Numeral {
    int accidental = 0; // the ♭ or ♯ before the numeral
    int degree = 0;     // I = 0 ... VII = 6
    ChordQuality quality = ChordQuality::Major;
    int inversion = 0;
    bool neapolitan = false;
    bool applied = false;
    int targetAccidental = 0;
    int targetDegree = 0;
    bool targetMinor = false;

    bool seventh() const;
    bool operator==(const Numeral&) const = default;
};

// Reads the canonical names and the forms a keyboard types ("bVI", "viio7", "iih7",
// "V6/5", "N"); nothing for text that is not a numeral.
std::optional<Numeral> parseNumeral(std::string_view text);
std::string numeralName(const Numeral& numeral);

// The chord's notes from its root up: root, third, fifth and seventh, spelled in the key,
// the root within the octave above the key's tonic.
std::vector<Pitch> numeralTones(const TonalKey& key, const Numeral& numeral);

// Which of numeralTones leans to a tonic of its own, -1 for none: the third of a
// dominant, the root of a leading-tone chord.
int leadingToneOf(const Numeral& numeral);

} // namespace tonalyst
