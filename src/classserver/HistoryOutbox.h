#pragma once

#include "classserver/AnswerOutbox.h"
#include "history/HistoryStore.h"

namespace tonalyst {

// One student's answers in the answer history, as the class server's outbox. Each outbox
// has its own connection to history.sqlite, so it is made on the push worker's thread and
// used only there. It opens the history when first asked, and again later if the history
// could not be opened yet (the history writer makes the file).
class HistoryOutbox final : public AnswerOutbox {
public:
    HistoryOutbox(const QString& historyPath, QString userId);

    QVector<AnswerRecord> unsent(int limit) override;
    bool markSent(const QStringList& answerIds) override;
    qint64 unsentCount() override;

private:
    bool ready();

    HistoryStore m_store;
    QString m_userId;
};

} // namespace tonalyst
