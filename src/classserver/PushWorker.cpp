#include "classserver/PushWorker.h"

#include "classserver/ClassSchema.h"

namespace tonalyst {

class PushWorker::Runner final : public QObject {
public:
    Runner(OutboxFactory factory, PushWorker* owner, const std::atomic<bool>* stop)
        : m_factory(std::move(factory)), m_owner(owner), m_stop(stop) {}

    // Runs every request waiting, in order; a queued call per request wakes it, and the
    // calls that find the queue already emptied return at once.
    void runWaiting() {
        for (;;) {
            Request request;
            {
                const std::lock_guard lock(m_owner->m_requestsMutex);
                if (m_owner->m_requests.empty())
                    return;
                request = std::move(m_owner->m_requests.front());
                m_owner->m_requests.pop_front();
            }
            if (request.test)
                test(request.server);
            else
                push(request.server);
        }
    }

private:
    void push(const QString& server) {
        if (!m_outbox && m_factory)
            m_outbox = m_factory();
        PushStatus status;
        if (m_outbox)
            status = pushWaitingAnswers(*m_outbox, server, PgConnection::Limits{}, m_stop);
        QMetaObject::invokeMethod(m_owner, [owner = m_owner, status] { emit owner->pushed(status); },
                                  Qt::QueuedConnection);
    }

    void test(const QString& server) {
        const ConnectionTest result = testConnection(server, m_stop);
        QMetaObject::invokeMethod(m_owner, [owner = m_owner, result] { emit owner->tested(result.ok, result.message); },
                                  Qt::QueuedConnection);
    }

    OutboxFactory m_factory;
    std::unique_ptr<AnswerOutbox> m_outbox;
    PushWorker* m_owner;
    const std::atomic<bool>* m_stop;
};

PushWorker::PushWorker(OutboxFactory outboxFactory, QObject* parent)
    : QObject(parent), m_runner(new Runner(std::move(outboxFactory), this, &m_stopping)) {
    qRegisterMetaType<tonalyst::PushStatus>();
    m_runner->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_runner, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("class server"));
    m_thread.start();
}

PushWorker::~PushWorker() {
    // Quitting never waits for the network: the push in flight is cancelled, on the server
    // too, and its answers stay waiting for the next push.
    m_stopping = true;
    m_thread.quit();
    m_thread.wait();
}

void PushWorker::request(const QString& server) {
    enqueue({false, server});
}

void PushWorker::requestTest(const QString& server) {
    enqueue({true, server});
}

void PushWorker::enqueue(Request request) {
    {
        const std::lock_guard lock(m_requestsMutex);
        m_requests.push_back(std::move(request));
    }
    QMetaObject::invokeMethod(m_runner, &Runner::runWaiting, Qt::QueuedConnection);
}

ConnectionTest testConnection(const QString& server, const std::atomic<bool>* stop) {
    if (server.trimmed().isEmpty())
        return {false, PushWorker::tr("Enter the service name or the address your teacher gave you.")};
    PgConnection db;
    db.stopWhen(stop);
    if (!db.open(server))
        return {false, PushWorker::tr("Could not connect: %1.").arg(faultInWords(db.fault()))};
    QString problem;
    const std::optional<int> version = ClassSchema::currentVersion(db, &problem);
    if (!version)
        return {false, PushWorker::tr("Connected, but the class tables cannot be read: %1").arg(problem)};
    if (*version == 0)
        return {false, PushWorker::tr("Connected, but this database is not set up for a class yet.")};
    if (*version > ClassSchema::latestVersion())
        return {false, ClassSchema::newerSchemaMessage(*version)};
    return {true, PushWorker::tr("Connected to %1. Your answers can be sent.").arg(db.description())};
}

} // namespace tonalyst
