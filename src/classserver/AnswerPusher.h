#pragma once

#include "classserver/AnswerOutbox.h"
#include "classserver/PgConnection.h"

#include <QMetaType>
#include <QString>

namespace tonalyst {

// How the last push went, as the window shows it.
struct PushStatus {
    qint64 sent = 0;    // answers this push put on the server
    qint64 waiting = 0; // answers still only on this machine
    ServerFault fault = ServerFault::None;
    QString problem; // the server's own words, for the curious
};

// Sends every waiting answer to the server, a batch per transaction, and marks each batch
// sent only once the server has committed it. An answer marked sent is on the server; one
// sent but not marked (the history could not be written) is sent again next time, and the
// server ignores it.
// Once `stop` turns true the push ends at once, cancelling its statement on the server.
PushStatus pushWaitingAnswers(AnswerOutbox& outbox, const QString& server,
                              PgConnection::Limits limits = PgConnection::Limits{},
                              const std::atomic<bool>* stop = nullptr);

// The status bar's words for a push.
QString pushStatusText(const PushStatus& status);

} // namespace tonalyst

Q_DECLARE_METATYPE(tonalyst::PushStatus)
