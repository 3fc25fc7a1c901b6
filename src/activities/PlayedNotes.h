#pragma once

#include "theory/Pitch.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// Keys of a MIDI keyboard are numbered in semitones; 60 is middle C.
inline constexpr int kMiddleCKey = 60;

// The note a played key is written as in a question: with the letter the key signature
// gives that pitch (per letter C = 0 ... B = 6: +1 sharpened, -1 flattened), else with the
// letter the asked notes spell it with, else as it is commonly written (C-sharp, E-flat,
// F-sharp, A-flat, B-flat). A natural on a letter the signature alters carries its sign.
Pitch spellPlayedKey(int key, const std::array<int, 7>& signature, const std::vector<Pitch>& asked);

// The writable spellings of the pitch a note sounds, from the lowest letter up
// (B-sharp 3, C 4, D-double-flat 4); a natural on a letter the signature alters carries its sign.
std::vector<Pitch> enharmonicSpellings(const Pitch& note, const std::array<int, 7>& signature);

// A chord read from played keys: its quality as the ear-training menus name it
// ("Triad :" or "Seventh :", then "minor", "dominant (major-minor)", ...) and which of its
// notes, root 0 to seventh 3, is lowest.
struct PlayedChord {
    std::string_view category;
    std::string_view quality;
    int inversion = 0;
};
// Any voicing in any octave: the pitch classes decide the quality and the lowest key the
// inversion. An augmented triad or a diminished seventh sounds alike on each of its notes;
// its root is then the one the question names, when it is played. Nothing for keys that
// make no triad or seventh chord.
std::optional<PlayedChord> readPlayedChord(const std::vector<int>& keys, std::optional<int> questionRootKey);

// An interval read from the first two keys struck: the interval menu's type and quality
// ("Third :", "minor"), compound intervals as the simple interval within the octave.
// Nothing unless exactly two keys were struck (one key struck twice is a unison).
struct PlayedInterval {
    std::string_view type;
    std::string_view quality;
};
std::optional<PlayedInterval> readPlayedInterval(const std::vector<int>& keys);

// "C4 E4 G4": played keys as the history writes notes, lowest first, in their common spelling.
std::string playedKeysText(std::vector<int> keys);

} // namespace tonalyst
