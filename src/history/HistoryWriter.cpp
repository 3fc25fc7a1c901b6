#include "history/HistoryWriter.h"

#include "history/HistoryImport.h"
#include "history/HistoryStore.h"
#include "history/WeakSpotHistory.h"

#include <QFileInfo>
#include <QUuid>

namespace tonalyst {

HistoryWriter::HistoryWriter(QString historyPath, QString dataFile, QObject* parent)
    : QObject(parent), m_historyPath(std::move(historyPath)), m_dataFile(std::move(dataFile)),
      m_dataFileSize(QFileInfo(m_dataFile).size()), m_busy(true), m_thread([this] { run(); }) {}

HistoryWriter::~HistoryWriter() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

QString HistoryWriter::record(AnswerRecord answer) {
    if (answer.answerId.isEmpty())
        answer.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString id = answer.answerId;
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(answer));
    }
    m_wake.notify_all();
    return id;
}

QFuture<WeakSpotSchedule> HistoryWriter::readWeakSpots(const QString& userId) {
    WeakSpotRequest request{userId, {}};
    QFuture<WeakSpotSchedule> future = request.promise.future();
    request.promise.start();
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(request));
    }
    m_wake.notify_all();
    return future;
}

void HistoryWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_drained.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

void HistoryWriter::run() {
    HistoryStore history(m_historyPath);
    QString message;
    bool told = false;
    if (history.open(HistoryStore::Access::ReadWrite, message) && history.isEmpty()) {
        // The student's past, so that the charts begin with it.
        QString error;
        const std::vector<AnswerRecord> past = dataFileSummaries(m_dataFile, m_dataFileSize);
        if (!past.empty() && !history.append(past, error))
            message = QStringLiteral("The records of %1 could not be brought into the answer history: %2")
                          .arg(m_dataFile, error);
    }
    if (!message.isEmpty()) {
        told = !history.isOpen();
        emit notice(message);
    }

    std::unique_lock lock(m_mutex);
    for (;;) {
        m_busy = false;
        m_drained.notify_all();
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        std::deque<Queued> batch;
        batch.swap(m_queue);
        m_busy = true;
        lock.unlock();

        std::vector<AnswerRecord> answers;
        for (Queued& queued : batch) {
            if (auto* answer = std::get_if<AnswerRecord>(&queued)) {
                answers.push_back(std::move(*answer));
                continue;
            }
            store(history, answers, told);
            auto& request = std::get<WeakSpotRequest>(queued);
            request.promise.addResult(history.isOpen() ? weakSpotsIn(history, request.userId) : WeakSpotSchedule());
            request.promise.finish();
        }
        store(history, answers, told);
        lock.lock();
    }
}

void HistoryWriter::store(HistoryStore& history, std::vector<AnswerRecord>& answers, bool& told) {
    if (answers.empty())
        return;
    QString error;
    // A history that could not be opened is tried again with every batch: the disk
    // may have room again, the folder may be writable again.
    if (!history.isOpen())
        history.open(HistoryStore::Access::ReadWrite, error);
    if (history.isOpen())
        history.append(answers, error);
    answers.clear();
    if (!error.isEmpty() && !told) {
        told = true;
        emit notice(history.isOpen() ? QStringLiteral("The answer history cannot be written: %1\r\nYour "
                                                      "answers are still kept in the performance data "
                                                      "file, but not in the history.")
                                           .arg(error)
                                     : error);
    }
}

} // namespace tonalyst
