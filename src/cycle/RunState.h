#pragma once

#include "theory/Activity.h"

#include <QDateTime>

namespace tonalyst {

// The state every window reads: which activity and method are in effect and whether a
// question is under way. It starts as the program's defaults on every run.
struct RunState {
    // The last choice in the Activity menu.
    QuestionType selectedType = QuestionType::Spell;
    ActivityMode selectedMode = ActivityMode::None;
    // What is in effect. The current type starts unset: Start copies the selected one.
    QuestionType currentType = QuestionType::Spell;
    ActivityMode currentMode = ActivityMode::None;
    Method method = Method::Practice;
    // 0 while no question has been asked since the last Start or end of a run.
    int questionNumber = 0;
    // Tones sound unless switched off; the beep switch governs the feedback beeps only.
    bool tonesOn = true;
    bool beepOn = true;
    // An activity change waits until the question under way has been recorded.
    bool switchPending = false;
    QDateTime runStart;
    // Interval questions ask for the note above the given one, or below it.
    bool directionAbove = true;

    bool isTest() const { return method == Method::Test; }
    bool earTraining() const { return currentMode == ActivityMode::EarTraining; }
};

} // namespace tonalyst
