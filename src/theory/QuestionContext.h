#pragma once

#include "theory/Activity.h"
#include "theory/QuestionSettings.h"
#include "theory/RandomSource.h"

namespace tonalyst {

// The activity as question generation sees it. "Selected" is the last choice in the
// Activity menu, "current" the one in effect; they differ while a switch waits for the
// end of a question, and each rule reads the one it always has.
struct ActivityState {
    ActivityTraits selected;
    ActivityTraits current;

    // Both selected and current set to the same activity.
    static ActivityState settled(const ActivityTraits& traits) { return {traits, traits}; }
};

// Everything a question is drawn from.
struct QuestionContext {
    const QuestionSettings& settings;
    ActivityState activity;
    RandomSource& random;
};

} // namespace tonalyst
