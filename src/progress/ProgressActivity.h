#pragma once

#include "activities/Activity.h"

#include "activities/ActivityRegistry.h"
#include "history/AnswerFacts.h"

#include <QString>

#include <optional>

namespace tonalyst {

// The activities the Progress window follows, numbered as the Activity menu lists them.
int progressActivityCount();

// The activity an answer belongs to (an index into the activity table), or nothing for an
// answer whose activity code Tonalyst does not know. Ear training keeps one code for
// chords and intervals; the category tells them apart.
std::optional<int> progressActivityOf(const AnswerFacts& answer);

// "Chord Spelling": the Activity menu's caption without its shortcut mark.
QString progressActivityName(int activity);

// Whether the activity's answers are notes written on the staff (as against menu choices).
bool isSpellingActivity(int activity);

// What the activity's questions name: "Chord", "Interval" or "Key".
QString progressItemKind(int activity);

// Whether the activity's answers are sequences of names judged place by place.
bool namesInOrder(int activity);
// The menu the activity's answers are chosen from, which shows their captions.
ChoiceMenu answerMenu(int activity);

// Whether the data file keeps the activity's questions; the history counts those of an
// activity it does not keep by their first answers.
bool keepsDataFileRecords(int activity);

} // namespace tonalyst
