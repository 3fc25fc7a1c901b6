#pragma once

#include "theory/ChordSettings.h"
#include "theory/HeardInKey.h"
#include "theory/KeySettings.h"

namespace tonalyst {

enum class InversionOption { Off, Basic, FiguredBass };
enum class ClefChoice { Treble, Bass, Random };
enum class IntervalType { Common, Advanced };
enum class IntervalNotes { ChosenKeys, AllNotes };
enum class EarTrainingChords { Triads, Sevenths, Both };

// How chord identification indicates the key: flags for "Written", "Symbolic", "Both".
struct KeySigDisplay {
    bool written = true;
    bool symbolic = false;
    bool both = false;
    bool operator==(const KeySigDisplay&) const = default;
};

// Every setting the option dialogs hold. The dialogs write it on OK; question
// generation, the staff and the question cycle read it. Nothing of it outlives a run
// of the program.
struct QuestionSettings {
    KeySettings keys;
    ChordSettings chords;
    InversionOption inversions = InversionOption::Off;
    ClefChoice clef = ClefChoice::Random;
    IntervalType intervalType = IntervalType::Common;
    IntervalNotes intervalNotes = IntervalNotes::ChosenKeys;
    EarTrainingChords earTrainingChords = EarTrainingChords::Triads;
    KeySigDisplay keySigDisplay;
    int testLength = 10; // 5, 10, 15 or 20
    InKeySettings inKey;
};

} // namespace tonalyst
