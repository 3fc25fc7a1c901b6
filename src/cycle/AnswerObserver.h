#pragma once

#include "history/AnswerRecord.h"

#include <QStringList>

namespace tonalyst {

// Hears of every answer as it is judged, before the student is told the verdict: the
// first answer to a question, each practice retry and each corrected answer in the
// review. None is counted in the data file yet; those that are, are named once the run's
// records are written there.
class AnswerObserver {
public:
    virtual ~AnswerObserver() = default;
    virtual void answerJudged(const AnswerRecord& answer) = 0;
    virtual void recordsWritten(const QStringList& answerIds) = 0;
};

} // namespace tonalyst
