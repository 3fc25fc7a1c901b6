#pragma once

#include "history/AnswerRecord.h"
#include "theory/WeakSpots.h"

#include <QFuture>
#include <QObject>
#include <QPromise>
#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

namespace tonalyst {

class HistoryStore;

// Stores answers on a thread of its own, so the window never waits for the disk. Answers
// handed in while a write is under way are stored together in the next transaction. The
// writer's thread is the one writer of the history: every other store of the program reads
// it, and asks the writer for the marks it needs stored.
//
// At start the thread opens the history (renaming a damaged file aside) and, when the
// history is empty, brings in the data file's records as summaries. Answers that cannot
// be stored -- a full disk, a folder made read-only -- are kept, in order, and stored when
// the history can be written again: tried with the next answer and every `retryEvery`
// while they wait. What the student should hear of all this -- a damaged file, a history
// that waits -- comes as `notice`, once for each time the history starts waiting.
class HistoryWriter final : public QObject {
    Q_OBJECT

public:
    // dataFile: the performance data file whose records an empty history starts with.
    HistoryWriter(QString historyPath, QString dataFile, QObject* parent = nullptr,
                  std::chrono::milliseconds retryEvery = std::chrono::seconds(20));
    ~HistoryWriter() override;

    // Starts the writer's thread. Its first notices come at once, so connect to `notice`
    // first. Until then requests wait in the queue.
    void start();

    // Queues the answer, giving it its id when it has none; returns the id.
    QString record(AnswerRecord answer);
    // Queues the marking of answers as counted in the data file, once their records are there.
    void markInDataFile(const QStringList& answerIds);
    // Calls `then` on `context`'s thread once everything queued so far has been stored, or
    // left waiting for room. `context` must outlive the writer.
    void afterQueued(QObject* context, std::function<void()> then);
    // Waits until everything queued so far has been stored or given up.
    void flush();
    // The user's weak-spot schedule, read on the writer's thread once everything queued
    // so far is stored: the answers queued later are not in it. Empty when the history
    // cannot be read.
    QFuture<WeakSpotSchedule> readWeakSpots(const QString& userId);
    // Marks the answers as taken by the class server; true once the marks are stored, false
    // when they could not be. May be called from any thread.
    QFuture<bool> markSent(const QStringList& answerIds);

signals:
    void notice(const QString& message);

private:
    struct WeakSpotRequest {
        QString userId;
        QPromise<WeakSpotSchedule> promise;
    };
    struct InDataFile {
        QStringList answerIds;
    };
    struct SentRequest {
        QStringList answerIds;
        QPromise<bool> promise;
    };
    struct Then {
        QObject* context;
        std::function<void()> call;
    };
    using Queued = std::variant<AnswerRecord, WeakSpotRequest, InDataFile, SentRequest, Then>;

    void push(Queued queued);
    void run();
    void take(std::deque<Queued>& batch, HistoryStore& history);
    void mark(const QStringList& answerIds);
    void store(HistoryStore& history);

    const QString m_historyPath;
    const QString m_dataFile;
    // The data file's size at start: records appended since are this session's answers,
    // which reach the history as answers, not as summaries.
    const qint64 m_dataFileSize;
    const std::chrono::milliseconds m_retryEvery;

    // The writer thread's own: answers and marks not stored yet, oldest first, and whether
    // the student has been told that they wait.
    std::vector<AnswerRecord> m_held;
    QStringList m_heldMarks;
    bool m_toldWaiting = false;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_drained;
    std::deque<Queued> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace tonalyst
