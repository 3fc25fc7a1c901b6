#pragma once

#include "theory/QuestionSettings.h"

namespace tonalyst::bench {

// The heaviest settings a student can choose: every key, every chord with both
// mixtures, figured-bass inversions.
inline QuestionSettings everythingEnabled() {
    QuestionSettings settings;
    KeyBoxes keys;
    keys.sharp.fill(true);
    keys.flat.fill(true);
    settings.keys.accept(keys);
    ChordBoxes chords;
    chords.sevenths.fill(true);
    chords.appliedDominants.fill(true);
    chords.appliedLeadingTones.fill(true);
    chords.augmentedSixths.fill(true);
    chords.neapolitan = true;
    chords.triadMixture = true;
    chords.seventhMixture = true;
    settings.chords.accept(chords);
    settings.inversions = InversionOption::FiguredBass;
    return settings;
}

} // namespace tonalyst::bench
