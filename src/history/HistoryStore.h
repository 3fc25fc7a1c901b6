#pragma once

#include "history/AnswerFacts.h"
#include "history/AnswerRecord.h"
#include "history/HistoryQuery.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlDatabase;

namespace tonalyst {

// Which of the answers to read: those whose place in the file leaves `share` when divided
// by `shares`, so that readers on several threads take even parts.
struct ReadShare {
    int share = 0;
    int shares = 1;
};

// Which answers of one user to read, oldest first: those answered from `from` (included)
// to `to` (excluded), and of those only the latest `last` when it is given.
struct AnswerSpan {
    QString userId;
    std::optional<QDateTime> from;
    std::optional<QDateTime> to;
    std::optional<int> last;
};

// One stored answer as the history holds it, valid only during the call it is handed to:
// its fields in AnswerRecord's order as UTF-8 texts, numbers as digits, and "correct",
// "in data file" and "imported" as 1 or 0. The keys played come last, after the fields
// older readers of the export know.
inline constexpr std::size_t kStoredAnswerFields = 21;
using StoredAnswer = std::array<QByteArrayView, kStoredAnswerFields>;

// The answer history, "history.sqlite" in the data folder: the one class that reads and
// writes it. Each store is one connection, to be used on the thread that opened it; the
// program writes through HistoryWriter's thread and reads through stores of its own.
// What is wrong with the history file, in a message that names it.
enum class HistoryTrouble { CannotRead, CannotWrite, Damaged, MadeByNewer, MadeByOlder };

class HistoryStore {
public:
    enum class Access {
        // The history writer's alone: makes the file if missing, brings its schema up to
        // date, and renames a damaged file aside and starts a new one. The whole file is checked only when
        // the last
        // store to write it was not closed, as after a crash or a kill.
        ReadWrite,
        // Every other opener's: leaves the file as it is; a missing file reads as an empty
        // history.
        ReadOnly
    };

    static QString fileName() { return QStringLiteral("history.sqlite"); }
    static QString pathIn(const QString& dataDir);

    explicit HistoryStore(QString filePath);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // True when the history can be used. `notice` receives what the student should be
    // told: a damaged file renamed aside, or why the history cannot be opened -- damaged,
    // made by another version, or a file or folder that cannot be read or written, with
    // the system's reason.
    bool open(Access access, QString& notice);
    bool isOpen() const;
    QString filePath() const { return m_path; }

    // Stores the answers in one transaction, all or none. False with the reason in
    // `error` when they could not be stored.
    bool append(const std::vector<AnswerRecord>& answers, QString& error);

    // Marks the answers as counted in the performance data file, once their run's records
    // are written there. False with the reason in `error` when they could not be marked.
    bool markInDataFile(const QStringList& answerIds, QString& error);

    // The user's answers, oldest first (by time, then in the order they were stored).
    std::vector<AnswerRecord> answers(const HistoryQuery& query);
    // The same, each handed to `each` as it is read, so that no length of history is held
    // at once. False, with what the student should be told in `error`, when the history
    // cannot be read to its end: the answers handed over by then are not all there are.
    bool readAnswers(const AnswerSpan& span, const std::function<void(const StoredAnswer&)>& each,
                     QString& error);
    // The facts of the user's answers answered from `from` (included) to `to` (excluded),
    // each handed to `each` as it is read, in no particular order; without a bound the
    // answers run on that way. False when the history cannot be read.
    bool readFacts(const QString& userId, const std::optional<QDateTime>& from,
                   const std::optional<QDateTime>& to, const std::function<void(const AnswerFacts&)>& each,
                   ReadShare share = {});
    // The facts of the user's latest `count` answers, oldest first; nullopt, with what the
    // student should be told in `error`, when the history cannot be read.
    std::optional<std::vector<AnswerFacts>> latestFacts(const QString& userId, int count, QString& error);
    // Whether any answer of any user is stored.
    bool isEmpty();

    // For the class server: the user's answers it does not have yet, oldest first, and the
    // marking of those it has taken. Each student pushes through a login of its own, so
    // one user's answers at a time. Summaries brought in from the data file are not
    // pushed: the class import takes a data file's past, keyed so it never doubles.
    std::vector<AnswerRecord> unsent(const QString& userId, int limit);
    bool markSent(const QStringList& answerIds);
    int unsentCount(const QString& userId);

private:
    struct Statements;

    bool connect(Access access, QString& error);
    void disconnect();
    bool check(QString& error, bool& damaged);
    bool prepare(QString& error);
    bool setAside(QString& notice);
    bool claimInUseMark();
    void releaseInUseMark();
    QString trouble(HistoryTrouble what, const QString& reason) const;
    QString failure(bool writing, const QString& detail) const;

    QString m_path;
    QString m_connection;
    std::unique_ptr<Statements> m_statements;
    // The mark that this store has the history open for writing, held locked while it is;
    // -1 when another store holds it or the history is open only for reading.
    int m_inUseMark = -1;
};

} // namespace tonalyst
