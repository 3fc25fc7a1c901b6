#include "classserver/AnswerPusher.h"

#include "classserver/ClassServer.h"

#include <QCoreApplication>

namespace tonalyst {

namespace {

constexpr int kAnswersPerPush = 5000;

} // namespace

PushStatus pushWaitingAnswers(AnswerOutbox& outbox, const QString& server, PgConnection::Limits limits,
                              const std::atomic<bool>* stop) {
    PushStatus status;
    status.waiting = outbox.unsentCount();
    if (status.waiting == 0)
        return status;
    PgConnection db;
    db.stopWhen(stop);
    if (!db.open(server, limits)) {
        status.fault = db.fault();
        status.problem = db.problem();
        return status;
    }
    ClassServer classServer(db);
    // Each round either sends a batch or stops, so the rounds are bounded by the batches
    // there were at the start and any answered meanwhile.
    const qint64 rounds = status.waiting / kAnswersPerPush + 2;
    for (qint64 round = 0; round < rounds; ++round) {
        const QVector<AnswerRecord> batch = outbox.unsent(kAnswersPerPush);
        if (batch.isEmpty())
            break;
        const PushOutcome outcome = classServer.push(batch);
        if (!outcome.ok) {
            status.fault = outcome.fault == ServerFault::None ? ServerFault::Other : outcome.fault;
            status.problem = outcome.problem;
            break;
        }
        QStringList ids;
        ids.reserve(batch.size());
        for (const AnswerRecord& answer : batch)
            ids << answer.answerId;
        if (!outbox.markSent(ids)) {
            status.fault = ServerFault::Other;
            status.problem = QCoreApplication::translate(
                "AnswerPusher", "the answer history could not note the answers as sent");
            break;
        }
        status.sent += batch.size();
    }
    status.waiting = outbox.unsentCount();
    return status;
}

QString pushStatusText(const PushStatus& status) {
    if (status.waiting == 0)
        return QCoreApplication::translate("AnswerPusher", "Class server: all your answers are sent.");
    // English says "1 answer is" and "2 answers are" and nothing more; a language with
    // more forms makes them from the number in its own sentence.
    const bool one = status.waiting == 1;
    if (status.fault == ServerFault::None)
        return one ? QCoreApplication::translate("AnswerPusher",
                                                 "Class server: 1 answer is waiting to be sent.")
                   : QCoreApplication::translate("AnswerPusher",
                                                 "Class server: %1 answers are waiting to be sent.")
                         .arg(status.waiting);
    if (one)
        return QCoreApplication::translate("AnswerPusher",
                                           "Class server: 1 answer is waiting on this computer, because %1. "
                                           "They are kept and sent later.")
            .arg(faultInWords(status.fault));
    return QCoreApplication::translate("AnswerPusher",
                                       "Class server: %1 answers are waiting on this computer, because %2. "
                                       "They are kept and sent later.")
        .arg(QString::number(status.waiting), faultInWords(status.fault));
}

} // namespace tonalyst
