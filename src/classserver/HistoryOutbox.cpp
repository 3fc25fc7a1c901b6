#include "classserver/HistoryOutbox.h"

#include "history/HistoryWriter.h"

namespace tonalyst {

HistoryOutbox::HistoryOutbox(const QString& historyPath, QString userId, HistoryWriter& writer)
    : m_store(historyPath), m_userId(std::move(userId)), m_writer(writer) {}

bool HistoryOutbox::ready() {
    if (m_store.isOpen())
        return true;
    // Until the history writer has made the file, nothing is waiting. A history that
    // cannot be opened is the writer's to report and to repair; its answers stay waiting.
    QString notice;
    return m_store.open(HistoryStore::Access::ReadOnly, notice);
}

QVector<AnswerRecord> HistoryOutbox::unsent(int limit) {
    if (!ready())
        return {};
    const std::vector<AnswerRecord> answers = m_store.unsent(m_userId, limit);
    return QVector<AnswerRecord>(answers.begin(), answers.end());
}

bool HistoryOutbox::markSent(const QStringList& answerIds) {
    // A push counts answers as sent only once the marks are in the file, so it waits.
    QFuture<bool> stored = m_writer.markSent(answerIds);
    stored.waitForFinished();
    return stored.resultCount() > 0 && stored.result();
}

qint64 HistoryOutbox::unsentCount() {
    return ready() ? m_store.unsentCount(m_userId) : 0;
}

} // namespace tonalyst
