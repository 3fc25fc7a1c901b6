#include "app/AnswerHistory.h"

#include "history/HistoryStore.h"
#include "history/WeakSpotHistory.h"

namespace tonalyst {

AnswerHistory::AnswerHistory(const QString& dataDir, const QString& dataFile)
    : m_historyPath(HistoryStore::pathIn(dataDir)), m_writer(m_historyPath, dataFile) {}

void AnswerHistory::answerJudged(const AnswerRecord& answer) {
    m_writer.record(answer);
    if (m_weakSpotsRead && answer.userId == m_userId)
        learnFrom(m_weakSpots, answer);
}

void AnswerHistory::setUserId(const QString& userId) {
    m_userId = userId;
    m_weakSpotsRead = false;
    m_weakSpots = WeakSpotSchedule();
}

const WeakSpotSchedule& AnswerHistory::weakSpots() {
    if (!m_weakSpotsRead) {
        // What is still queued belongs in the schedule too.
        m_writer.flush();
        m_weakSpots = readWeakSpots(m_historyPath, m_userId);
        m_weakSpotsRead = true;
    }
    return m_weakSpots;
}

} // namespace tonalyst
