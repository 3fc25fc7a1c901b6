#pragma once

#include "activities/ActivityRegistry.h"

#include <QDateTime>

namespace tonalyst {

// The state every window reads: which activity and method are in effect and whether a
// question is under way. It starts as the program's defaults on every run.
struct RunState {
    // The last choice in the Activity menu, and the one in effect; they differ while a
    // change waits for the end of a question.
    const Activity* selected = &startingActivity();
    const Activity* current = &startingActivity();
    Method method = Method::Practice;
    // Stepping through a finished test's errors.
    bool reviewing = false;
    // 0 while no question has been asked since the last Start or end of a run.
    int questionNumber = 0;
    // An activity change waits until the question under way has been recorded.
    bool switchPending = false;
    QDateTime runStart;
    // Interval questions ask for the note above the given one, or below it.
    bool directionAbove = true;

    bool isTest() const { return method == Method::Test; }
    bool earTraining() const { return current->earTraining(); }
    // The theory toolkit's view: each question rule reads the selected or the current one.
    ActivityState activityState() const { return {selected->traits(), current->traits()}; }
};

} // namespace tonalyst
