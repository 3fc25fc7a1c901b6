#pragma once

#include "classserver/AnswerOutbox.h"
#include "classserver/AnswerPusher.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

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
    struct Request {
        bool test = false;
        QString server;
    };
    void enqueue(Request request);

    // Requests cross to the worker's thread here, under a lock of the standard library's,
    // not inside the queued call: the hand-over is then plain to see for every reader and
    // for the thread checker, which cannot look into Qt's event queue.
    std::mutex m_requestsMutex;
    std::deque<Request> m_requests;
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
