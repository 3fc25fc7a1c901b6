#pragma once

#include "theory/HeardInKey.h"
#include "theory/IntervalDirection.h"
#include "theory/Key.h"
#include "theory/Pitch.h"

#include <optional>
#include <string>
#include <vector>

namespace tonalyst {

// One question as generated: what the staff draws, what the judge compares against and
// what the records keep.
struct Question {
    std::string category;           // answer-menu caption of the chord type, "major :" / "minor :",
                                    // or the interval's name ("Third :")
    std::string name;               // chord name, key name for key signatures, "" for Flat-II, the
                                    // quality of an interval or of an ear-training chord
    std::string prompt;             // the line shown above the staff
    std::string keyText;            // "  In the key of ...", empty where no key line is written
    std::string invLabel;           // plain or figured inversion label, "" when no inversion was drawn
    std::string figLabel;           // full figured-bass name, only with figured-bass notation
    std::string hint;               // shown when a wrong practice answer is retried
    std::vector<Pitch> notes;       // lowest first
    int sigCount = 0;
    SignatureKind sigKind = SignatureKind::Sharp;
    int inversion = 0; // the inversion drawn, 0 for root position or none
    // Interval questions: the catalogue number drawn (kIntervals); nothing for chords and keys.
    // category and name then hold the interval's name and quality captions.
    std::optional<int> interval;
    IntervalDirection direction = IntervalDirection::Above;
    // Questions heard in a key: the cadence, what sounds after it and the names asked for.
    std::optional<HeardInKey> heard;

    int noteCount() const { return static_cast<int>(notes.size()); }
};

} // namespace tonalyst
