#pragma once

#include "history/AnswerRecord.h"

namespace tonalyst {

// Hears of every answer as it is judged: the first answer to a question, each practice
// retry and each corrected answer in the review.
class AnswerObserver {
public:
    virtual ~AnswerObserver() = default;
    virtual void answerJudged(const AnswerRecord& answer) = 0;
};

} // namespace tonalyst
