#pragma once

#include "theory/Key.h"
#include "theory/Question.h"
#include "theory/QuestionContext.h"
#include "theory/QuestionMaker.h"

#include <string>

namespace tonalyst {

// Draws the interval question for the key pickkey drew: the interval uniformly among
// those askableIntervals leaves (the rules and a writable upper note), then the
// direction with a fair coin. The tonic is note 1, the upper note note 2. The prompt is
// "identify the given interval" for identification, otherwise the spelling text, such as
// "major Third : above E-flat" or "minor Sixth : below C " (a natural given note is
// named with the blank of "no sign"). Key line and signature are the key's.
//
// Only a tonic that no key has leaves nothing askable; the question is then drawn among
// the allowed intervals and carries a note the staff cannot hold, which makequestion's
// writability guard refuses.
Question pickinterval(const CurrentKey& key, const QuestionContext& context);

// The note given in a spelling question as the prompt names it: "E-flat", "C ".
std::string givenNoteName(const Pitch& note);

// What the interval activities plug into makequestion.
class IntervalGenerator final : public IntervalQuestionMaker {
public:
    Question makeIntervalQuestion(CurrentKey& key, const QuestionContext& context) override;
};

} // namespace tonalyst
