#pragma once

#include "classserver/AnswerOutbox.h"
#include "history/HistoryStore.h"

namespace tonalyst {

class HistoryWriter;

// One student's answers in the answer history, as the class server's outbox. It reads the
// history through a connection of its own, so it is made on the push worker's thread and
// used only there; the marks of what was sent are stored by the history writer, the one
// that writes the file. It opens the history when first asked, and again later if the
// history could not be opened yet (the history writer makes the file). `writer` must
// outlive the outbox.
class HistoryOutbox final : public AnswerOutbox {
public:
    HistoryOutbox(const QString& historyPath, QString userId, HistoryWriter& writer);

    QVector<AnswerRecord> unsent(int limit) override;
    bool markSent(const QStringList& answerIds) override;
    qint64 unsentCount() override;

private:
    bool ready();

    HistoryStore m_store;
    QString m_userId;
    HistoryWriter& m_writer;
};

} // namespace tonalyst
