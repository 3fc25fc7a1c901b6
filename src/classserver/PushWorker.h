#pragma once

#include "classserver/AnswerOutbox.h"
#include "classserver/AnswerPusher.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace tonalyst {

// Pushes waiting answers on a thread of its own, so the window never waits for the
// network. Requests queue up; each finds what is still waiting. Destroying the worker
// cancels the push in flight at once.
class PushWorker final : public QObject {
    Q_OBJECT

public:
    // Makes the outbox on the worker's thread, at the first push.
    using OutboxFactory = std::function<std::unique_ptr<AnswerOutbox>()>;

    explicit PushWorker(OutboxFactory outboxFactory, QObject* parent = nullptr);
    ~PushWorker() override;

    // Asks for a push to `server`; `pushed` follows on the caller's thread.
    void request(const QString& server);
    // Asks whether the server can be reached and logged in to; `tested` follows.
    void requestTest(const QString& server);

signals:
    void pushed(const tonalyst::PushStatus& status);
    void tested(bool ok, const QString& message);

private:
    class Runner;
    std::atomic<bool> m_stopping = false;
    QThread m_thread;
    Runner* m_runner;
};

// What a connection test found, in words for the dialog.
struct ConnectionTest {
    bool ok = false;
    QString message;
};
ConnectionTest testConnection(const QString& server, const std::atomic<bool>* stop = nullptr);

} // namespace tonalyst
