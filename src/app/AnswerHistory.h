#pragma once

#include "cycle/AnswerObserver.h"
#include "history/AnswerFacts.h"
#include "history/HistoryWriter.h"
#include "theory/WeakSpots.h"

#include <QFutureWatcher>

#include <functional>
#include <vector>

namespace tonalyst {

// The main window's link to the answer history: every judged answer goes to the history
// writer and to the weak-spot schedule of the student.
class AnswerHistory final : public AnswerObserver {
public:
    // `told` hears the writer's notices on this thread, those of its start among them.
    AnswerHistory(const QString& dataDir, const QString& dataFile,
                  std::function<void(const QString&)> told = {});

    void answerJudged(const AnswerRecord& answer) override;
    void recordsWritten(const QStringList& answerIds) override;
    void setUserId(const QString& userId);
    // Starts reading the student's weak spots on the writer's thread, unless they are read
    // or being read; `whenRead` is called on this thread once they are in.
    void readWeakSpotsAhead(std::function<void()> whenRead = {});
    // The student's weak spots, waiting for them when they are still being read.
    const WeakSpotSchedule& weakSpots();

    HistoryWriter& writer() { return m_writer; }

private:
    void takeWeakSpots();

    QString m_historyPath;
    HistoryWriter m_writer;
    QString m_userId;
    enum class Reading { NotAsked, Underway, Done };
    Reading m_weakSpotsRead = Reading::NotAsked;
    WeakSpotSchedule m_weakSpots;
    QFutureWatcher<WeakSpotSchedule> m_reading;
    std::function<void()> m_whenRead;
    // Answers judged while the schedule was read, which it does not hold yet.
    std::vector<AnswerFacts> m_judgedSince;
};

} // namespace tonalyst
