#pragma once

#include "cycle/AnswerObserver.h"
#include "history/HistoryWriter.h"
#include "theory/WeakSpots.h"

namespace tonalyst {

// The main window's link to the answer history: every judged answer goes to the history
// writer and to the weak-spot schedule of the student.
class AnswerHistory final : public AnswerObserver {
public:
    AnswerHistory(const QString& dataDir, const QString& dataFile);

    void answerJudged(const AnswerRecord& answer) override;
    void setUserId(const QString& userId);
    // The student's weak spots, read from the history when first asked for.
    const WeakSpotSchedule& weakSpots();

    HistoryWriter& writer() { return m_writer; }

private:
    QString m_historyPath;
    HistoryWriter m_writer;
    QString m_userId;
    bool m_weakSpotsRead = false;
    WeakSpotSchedule m_weakSpots;
};

} // namespace tonalyst
