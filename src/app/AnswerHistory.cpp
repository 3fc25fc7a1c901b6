#include "app/AnswerHistory.h"

#include "history/HistoryStore.h"
#include "history/WeakSpotHistory.h"

namespace tonalyst {

AnswerHistory::AnswerHistory(const QString& dataDir, const QString& dataFile,
                             std::function<void(const QString&)> told)
    : m_historyPath(HistoryStore::pathIn(dataDir)), m_writer(m_historyPath, dataFile) {
    if (told)
        QObject::connect(&m_writer, &HistoryWriter::notice, &m_writer, std::move(told));
    QObject::connect(&m_reading, &QFutureWatcher<WeakSpotSchedule>::finished, [this] {
        // A read for a user since replaced is of no use.
        if (m_weakSpotsRead != Reading::Underway)
            return;
        takeWeakSpots();
        if (m_whenRead)
            m_whenRead();
    });
    // Only now: a notice of the writer's start would reach no one before.
    m_writer.start();
}

void AnswerHistory::answerJudged(const AnswerRecord& answer) {
    m_writer.record(answer);
    if (answer.userId != m_userId)
        return;
    if (m_weakSpotsRead == Reading::Done)
        learnFrom(m_weakSpots, factsOf(answer));
    else if (m_weakSpotsRead == Reading::Underway)
        m_judgedSince.push_back(factsOf(answer));
}

void AnswerHistory::recordsWritten(const QStringList& answerIds) {
    m_writer.markInDataFile(answerIds);
}

void AnswerHistory::setUserId(const QString& userId) {
    m_userId = userId;
    m_weakSpotsRead = Reading::NotAsked;
    m_weakSpots = WeakSpotSchedule();
    m_judgedSince.clear();
}

void AnswerHistory::readWeakSpotsAhead(std::function<void()> whenRead) {
    m_whenRead = std::move(whenRead);
    if (m_weakSpotsRead == Reading::Done && m_whenRead)
        m_whenRead();
    if (m_weakSpotsRead != Reading::NotAsked)
        return;
    m_weakSpotsRead = Reading::Underway;
    m_reading.setFuture(m_writer.readWeakSpots(m_userId));
}

const WeakSpotSchedule& AnswerHistory::weakSpots() {
    if (m_weakSpotsRead == Reading::NotAsked) {
        m_weakSpotsRead = Reading::Underway;
        m_reading.setFuture(m_writer.readWeakSpots(m_userId));
    }
    if (m_weakSpotsRead == Reading::Underway)
        takeWeakSpots();
    return m_weakSpots;
}

void AnswerHistory::takeWeakSpots() {
    // Waits for a read still under way; the writer has little else to do first.
    m_weakSpots = m_reading.future().result();
    for (const AnswerFacts& answer : m_judgedSince)
        learnFrom(m_weakSpots, answer);
    m_judgedSince.clear();
    m_weakSpotsRead = Reading::Done;
}

} // namespace tonalyst
