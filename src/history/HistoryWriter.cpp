#include "history/HistoryWriter.h"

#include "history/HistoryImport.h"
#include "history/HistoryStore.h"
#include "history/WeakSpotHistory.h"

#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <utility>

namespace tonalyst {

HistoryWriter::HistoryWriter(QString historyPath, QString dataFile, QObject* parent,
                             std::chrono::milliseconds retryEvery)
    : QObject(parent), m_historyPath(std::move(historyPath)), m_dataFile(std::move(dataFile)),
      m_dataFileSize(QFileInfo(m_dataFile).size()), m_retryEvery(retryEvery), m_busy(true) {}

HistoryWriter::~HistoryWriter() {
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void HistoryWriter::start() {
    m_thread = std::thread([this] { run(); });
}

void HistoryWriter::push(Queued queued) {
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(queued));
    }
    m_wake.notify_all();
}

QString HistoryWriter::record(AnswerRecord answer) {
    if (answer.answerId.isEmpty())
        answer.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString id = answer.answerId;
    push(std::move(answer));
    return id;
}

void HistoryWriter::markInDataFile(const QStringList& answerIds) {
    if (!answerIds.isEmpty())
        push(InDataFile{answerIds});
}

void HistoryWriter::afterQueued(QObject* context, std::function<void()> then) {
    push(Then{context, std::move(then)});
}

QFuture<WeakSpotSchedule> HistoryWriter::readWeakSpots(const QString& userId) {
    WeakSpotRequest request{userId, {}};
    QFuture<WeakSpotSchedule> future = request.promise.future();
    request.promise.start();
    push(std::move(request));
    return future;
}

QFuture<bool> HistoryWriter::markSent(const QStringList& answerIds) {
    SentRequest request{answerIds, {}};
    QFuture<bool> future = request.promise.future();
    request.promise.start();
    push(std::move(request));
    return future;
}

void HistoryWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_drained.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

void HistoryWriter::run() {
    HistoryStore history(m_historyPath);
    QString message;
    if (history.open(HistoryStore::Access::ReadWrite, message) && history.isEmpty()) {
        // The student's past, so that the charts begin with it.
        QString error;
        const std::vector<AnswerRecord> past = dataFileSummaries(m_dataFile, m_dataFileSize, error);
        if (!error.isEmpty() || (!past.empty() && !history.append(past, error)))
            message = tr("The records of %1 could not be brought into the answer history: %2")
                          .arg(m_dataFile, error);
    }
    if (!message.isEmpty()) {
        // A history that cannot be opened waits from the start: that is the news.
        m_toldWaiting = !history.isOpen();
        emit notice(m_toldWaiting ? message + QStringLiteral("\r\n") +
                                        tr("Your answers are kept and stored as soon "
                                           "as the history can be written again.")
                                  : message);
    }

    std::unique_lock lock(m_mutex);
    for (;;) {
        m_busy = false;
        m_drained.notify_all();
        const auto due = [this] { return m_stopping || !m_queue.empty(); };
        const bool waiting = !m_held.empty() || !m_heldMarks.isEmpty();
        if (waiting && !m_wake.wait_for(lock, m_retryEvery, due)) {
            m_busy = true;
            lock.unlock();
            store(history);
            lock.lock();
            continue;
        }
        m_wake.wait(lock, due);
        std::deque<Queued> batch;
        batch.swap(m_queue);
        m_busy = true;
        const bool stopping = m_stopping;
        lock.unlock();
        take(batch, history);
        store(history);
        if (stopping) {
            lock.lock();
            if (m_queue.empty())
                return;
            continue;
        }
        lock.lock();
    }
}

void HistoryWriter::take(std::deque<Queued>& batch, HistoryStore& history) {
    for (Queued& queued : batch) {
        if (auto* answer = std::get_if<AnswerRecord>(&queued)) {
            m_held.push_back(std::move(*answer));
        } else if (auto* marked = std::get_if<InDataFile>(&queued)) {
            mark(marked->answerIds);
        } else if (auto* sent = std::get_if<SentRequest>(&queued)) {
            store(history);
            QString error;
            if (!history.isOpen())
                history.open(HistoryStore::Access::ReadWrite, error);
            sent->promise.addResult(history.isOpen() && history.markSent(sent->answerIds));
            sent->promise.finish();
        } else if (auto* then = std::get_if<Then>(&queued)) {
            store(history);
            QMetaObject::invokeMethod(then->context, std::move(then->call), Qt::QueuedConnection);
        } else {
            store(history);
            auto& request = std::get<WeakSpotRequest>(queued);
            QString error;
            const std::optional<WeakSpotSchedule> schedule =
                history.isOpen() ? weakSpotsIn(history, request.userId, error) : std::nullopt;
            request.promise.addResult(schedule.value_or(WeakSpotSchedule()));
            request.promise.finish();
        }
    }
}

void HistoryWriter::mark(const QStringList& answerIds) {
    for (const QString& id : answerIds) {
        // An answer still waiting is simply stored marked.
        const auto held = std::find_if(m_held.begin(), m_held.end(),
                                       [&id](const AnswerRecord& answer) { return answer.answerId == id; });
        if (held != m_held.end())
            held->inDataFile = true;
        else
            m_heldMarks << id;
    }
}

void HistoryWriter::store(HistoryStore& history) {
    if (m_held.empty() && m_heldMarks.isEmpty())
        return;
    QString error;
    // A history that could not be opened is tried again: the disk may have room again,
    // the folder may be writable again.
    if (!history.isOpen())
        history.open(HistoryStore::Access::ReadWrite, error);
    if (history.isOpen() && history.append(m_held, error))
        m_held.clear();
    if (m_held.empty() && history.isOpen() && history.markInDataFile(m_heldMarks, error))
        m_heldMarks.clear();
    if (m_held.empty() && m_heldMarks.isEmpty()) {
        m_toldWaiting = false;
        return;
    }
    if (std::exchange(m_toldWaiting, true))
        return;
    const QString reason =
        history.isOpen() ? tr("The answer history cannot be written: %1").arg(error) : error;
    emit notice(reason + QStringLiteral("\r\n") +
                tr("Your answers are kept and stored as soon as the history can be written again."));
}

} // namespace tonalyst
