#pragma once

#include "history/AnswerRecord.h"
#include "theory/WeakSpots.h"

#include <QFuture>
#include <QObject>
#include <QPromise>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

namespace tonalyst {

class HistoryStore;

// Stores answers on a thread of its own, so the window never waits for the disk. Answers
// handed in while a write is under way are stored together in the next transaction.
//
// At start the thread opens the history (renaming a damaged file aside) and, when the
// history is empty, brings in the data file's records as summaries. What the student
// should hear of all this -- a damaged file, a history that cannot be written -- comes
// as `notice`, at most once for a history that cannot be written.
class HistoryWriter final : public QObject {
    Q_OBJECT

public:
    // dataFile: the performance data file whose records an empty history starts with.
    HistoryWriter(QString historyPath, QString dataFile, QObject* parent = nullptr);
    ~HistoryWriter() override;

    // Queues the answer, giving it its id when it has none; returns the id.
    QString record(AnswerRecord answer);
    // Waits until everything queued so far has been stored or given up.
    void flush();
    // The user's weak-spot schedule, read on the writer's thread once everything queued
    // so far is stored: the answers queued later are not in it. Empty when the history
    // cannot be read.
    QFuture<WeakSpotSchedule> readWeakSpots(const QString& userId);

signals:
    void notice(const QString& message);

private:
    struct WeakSpotRequest {
        QString userId;
        QPromise<WeakSpotSchedule> promise;
    };
    using Queued = std::variant<AnswerRecord, WeakSpotRequest>;

    void run();
    void store(HistoryStore& history, std::vector<AnswerRecord>& answers, bool& told);

    const QString m_historyPath;
    const QString m_dataFile;
    // The data file's size at start: records appended since are this session's answers,
    // which reach the history as answers, not as summaries.
    const qint64 m_dataFileSize;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_drained;
    std::deque<Queued> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace tonalyst
