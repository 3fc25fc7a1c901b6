#pragma once

#include "theory/Pitch.h"

#include <string>
#include <vector>

namespace tonalyst {

// Which modes the ear-training-in-a-key activities draw their keys in.
enum class InKeyMode { Major, Minor, Both };

// What every ear-training-in-a-key activity lets the student set.
struct InKeyCommon {
    InKeyMode mode = InKeyMode::Major;
    // Keys from Key Settings with at most this many sharps or flats.
    int maxAccidentals = 2;
    // The key-setting cadence is not played again while the key stays the same.
    bool skipRepeatedCadence = false;
    // Quarter notes per minute; every chord of the cadence and the question lasts one
    // half note, every note of a scale-degree question one quarter.
    int tempo = 80;
    bool operator==(const InKeyCommon&) const = default;
};

struct ScaleDegreeOptions {
    InKeyCommon common;
    bool chromatic = false;
    // Notes heard one after the other in one question, 1 to 4.
    int groupSize = 1;
    // Names shown as movable-do syllables instead of numbers; minor la-based.
    bool solfege = false;
    bool laBasedMinor = false;
    bool operator==(const ScaleDegreeOptions&) const = default;
};

struct ChordFunctionOptions {
    InKeyCommon common;
    bool sevenths = false;
    bool inversions = false;
    bool applied = false;    // V/x and vii°/x
    bool mixture = false;    // ♭III, ♭VI, ♭VII and iv in major
    bool neapolitan = false; // N6
    bool operator==(const ChordFunctionOptions&) const = default;
};

struct ProgressionOptions {
    InKeyCommon common;
    int minChords = 3; // 3 to 6, never more than maxChords
    int maxChords = 4;
    bool sevenths = false;
    bool inversions = false;
    bool operator==(const ProgressionOptions&) const = default;
};

struct CadenceOptions {
    InKeyCommon common;
    // Authentic cadences named perfect or imperfect; otherwise just "authentic".
    bool perfectImperfect = true;
    // Minor keys may end on a Phrygian half cadence.
    bool phrygian = true;
    bool operator==(const CadenceOptions&) const = default;
};

struct InKeySettings {
    ScaleDegreeOptions degrees;
    ChordFunctionOptions functions;
    ProgressionOptions progressions;
    CadenceOptions cadences;
    bool operator==(const InKeySettings&) const = default;
};

// A key by its tonic (in octave 4) and mode.
struct TonalKey {
    Pitch tonic;
    bool minor = false;
    bool operator==(const TonalKey&) const = default;
};

// One sounding moment: the notes struck together, lowest first (bass to soprano in
// four-part chords); one note for a melody note.
using Sonority = std::vector<Pitch>;

// A question heard in a key: the cadence that sets the key, what the student names, and
// what follows the answer (a scale degree resolving to the tonic).
struct HeardInKey {
    TonalKey key;
    std::vector<Sonority> cadence;
    std::vector<Sonority> played;
    std::vector<Sonority> resolution;
    // The right names in order, one per sonority named: scale degrees "1", "♭6", "♯4";
    // Roman numerals "I", "ii6", "V65", "vii°7", "V7/V", "♭VI", "N6"; or one cadence name.
    // Always in the canonical notation: numbers for degrees, whatever the display says.
    std::vector<std::string> answer;
    bool operator==(const HeardInKey&) const = default;
};

} // namespace tonalyst
