#pragma once

#include "theory/Key.h"
#include "theory/Question.h"
#include "theory/QuestionContext.h"

#include <optional>

namespace tonalyst {

// Builds interval questions; the interval activities plug one into makequestion.
class IntervalQuestionMaker {
public:
    virtual ~IntervalQuestionMaker() = default;
    // The whole interval question, key line and signature included, in the key just
    // drawn by pickkey.
    virtual Question makeIntervalQuestion(CurrentKey& key, const QuestionContext& context) = 0;
};

// How often makequestion draws before it gives up on finding a writable question.
inline constexpr int kWritableAttempts = 50;

// Builds the question in the key that pickkey drew for it: a chord of a category drawn
// by the chord settings' weights, a key-signature question, or an interval question
// from the given maker. A question with a note the staff cannot hold (see isWritable)
// is never returned: it is drawn again, and after kWritableAttempts draws the result
// is nothing, as it is when an interval question is asked for and no maker is given.
//
// In chord ear training the result is the base chord -- the tonic triad or the seventh
// on the second degree -- whose quality the ear-training activity then draws.
std::optional<Question> makequestion(CurrentKey& key, const QuestionContext& context,
                                     IntervalQuestionMaker* intervals = nullptr);

// Whether every note of the question can be written on the staff.
bool isWritable(const Question& question);

// The key-signature question: the tonic triad, named by the key.
void makeKeySignatureQuestion(Question& question, CurrentKey& key, const QuestionContext& context);

} // namespace tonalyst
