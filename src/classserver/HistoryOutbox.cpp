#include "classserver/HistoryOutbox.h"

#include <QFileInfo>

namespace tonalyst {

HistoryOutbox::HistoryOutbox(const QString& historyPath, QString userId)
    : m_store(historyPath), m_userId(std::move(userId)) {}

bool HistoryOutbox::ready() {
    if (m_store.isOpen())
        return true;
    // Until the history writer has made the file, nothing is waiting. A history that
    // cannot be opened is the writer's to report; its answers stay waiting.
    if (!QFileInfo::exists(m_store.filePath()))
        return false;
    QString notice;
    return m_store.open(HistoryStore::Access::ReadWrite, notice);
}

QVector<AnswerRecord> HistoryOutbox::unsent(int limit) {
    if (!ready())
        return {};
    const std::vector<AnswerRecord> answers = m_store.unsent(m_userId, limit);
    return QVector<AnswerRecord>(answers.begin(), answers.end());
}

bool HistoryOutbox::markSent(const QStringList& answerIds) {
    return ready() && m_store.markSent(answerIds);
}

qint64 HistoryOutbox::unsentCount() {
    return ready() ? m_store.unsentCount(m_userId) : 0;
}

} // namespace tonalyst
