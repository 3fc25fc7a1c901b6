#include "history/HistoryStore.h"

#include "history/FactRows.h"
#include "history/HistorySchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringEncoder>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tonalyst {

namespace {

const QString kColumns = QStringLiteral(
    "answer_id, answered_utc, user_id, run_id, method, activity, inversions, category, accidentals, "
    "key_name, item, inversion, asked, given, right_answer, correct, attempt, seconds, in_data_file, "
    "imported, played");

// SQLite's primary result codes for a damaged file and for one that is no database, as Qt's
// driver gives them (extended codes keep them in their low byte).
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

// A file that is not a database, or a damaged one, as against one that cannot be reached.
bool isDamage(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

// What the system says stands in the way of reading the file, or also of writing it and
// the files beside it: what cannot be done, and why; nullopt when it sees nothing.
std::optional<std::pair<HistoryTrouble, QString>> blocked(const QString& path, bool writing) {
    const HistoryTrouble cannotRead = HistoryTrouble::CannotRead;
    const HistoryTrouble cannotWrite = HistoryTrouble::CannotWrite;
    if (QFileInfo(path).isDir())
        return std::pair(writing ? cannotWrite : cannotRead,
                         QCoreApplication::translate("HistoryStore", "it is a folder, not a file"));
    const auto reason = [] { return QString::fromLocal8Bit(std::strerror(errno)); };
    const QByteArray file = QFile::encodeName(path);
    if (::access(file.constData(), F_OK) == 0) {
        if (::access(file.constData(), R_OK) != 0)
            return std::pair(cannotRead, reason());
        if (writing && ::access(file.constData(), W_OK) != 0)
            return std::pair(cannotWrite, reason());
    }
    const QString folder = QFileInfo(path).absolutePath();
    // Reading a write-ahead-logged history makes its shared-memory file beside it when missing.
    const bool makesFiles = writing || !QFileInfo::exists(path + QStringLiteral("-shm"));
    if (makesFiles && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return std::pair(writing ? cannotWrite : cannotRead,
                         QCoreApplication::translate("HistoryStore", "the folder %1: %2")
                             .arg(QDir::toNativeSeparators(folder), reason()));
    return std::nullopt;
}

QString newConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("tonalyst-history-%1").arg(next++);
}

// Times sort as text: always UTC, always with milliseconds.
QString timeText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QString dayStart(QDate day) {
    return timeText(QDateTime(day, QTime(0, 0), Qt::UTC));
}

void bindId(QSqlQuery& query, const QString& answerId) {
    query.bindValue(0, answerId);
}

void bindRecord(QSqlQuery& query, const AnswerRecord& a) {
    const QVariantList values{a.answerId,    timeText(a.answeredUtc),
                              a.userId,      a.runId,
                              a.method,      a.activity,
                              a.inversions,  a.category,
                              a.accidentals, a.key,
                              a.item,        a.inversion,
                              a.asked,       a.given,
                              a.right,       a.correct,
                              a.attempt,     a.seconds,
                              a.inDataFile,  a.imported,
                              a.played};
    for (int i = 0; i < values.size(); ++i) {
        // An empty text is a text, not a missing one.
        const bool nullText = values[i].typeId() == QMetaType::QString && values[i].toString().isNull();
        query.bindValue(i, nullText ? QVariant(QStringLiteral("")) : values[i]);
    }
}

// Times are stored as "yyyy-MM-ddTHH:mm:ss.zzzZ"; reading that shape by hand is many
// times quicker than the general ISO reader, which a long history would feel.
QDateTime readStoredTime(const QString& text) {
    const auto number = [&text](int from, int length) {
        int value = 0;
        for (int i = from; i < from + length; ++i) {
            const char16_t c = text.at(i).unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    if (text.size() == 24 && text.at(10) == u'T' && text.at(23) == u'Z') {
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2), number(20, 3));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

AnswerRecord readRecord(const QSqlQuery& query) {
    AnswerRecord a;
    a.answerId = query.value(0).toString();
    a.answeredUtc = readStoredTime(query.value(1).toString());
    a.userId = query.value(2).toString();
    a.runId = query.value(3).toString();
    a.method = query.value(4).toString();
    a.activity = query.value(5).toString();
    a.inversions = query.value(6).toString();
    a.category = query.value(7).toString();
    a.accidentals = query.value(8).toInt();
    a.key = query.value(9).toString();
    a.item = query.value(10).toString();
    a.inversion = query.value(11).toString();
    a.asked = query.value(12).toString();
    a.given = query.value(13).toString();
    a.right = query.value(14).toString();
    a.correct = query.value(15).toBool();
    a.attempt = query.value(16).toInt();
    a.seconds = query.value(17).toInt();
    a.inDataFile = query.value(18).toBool();
    a.imported = query.value(19).toBool();
    a.played = query.value(20).toString();
    return a;
}

// Seconds come as a number: one text fewer per answer for the driver to copy.
const QString kFactColumns = QStringLiteral("CAST(strftime('%s', answered_utc) AS INTEGER), method, "
                                            "activity, category, key_name, item, right_answer, "
                                            "given, correct, seconds, in_data_file, imported, attempt");

void readFactsRow(const QSqlQuery& query, AnswerFacts& facts) {
    facts.answeredSecs = query.value(0).toLongLong();
    facts.method = query.value(1).toString();
    facts.activity = query.value(2).toString();
    facts.category = query.value(3).toString();
    facts.key = query.value(4).toString();
    facts.item = query.value(5).toString();
    facts.right = query.value(6).toString();
    facts.given = query.value(7).toString();
    facts.correct = query.value(8).toBool();
    facts.seconds = query.value(9).toInt();
    facts.inDataFile = query.value(10).toBool();
    facts.imported = query.value(11).toBool();
    facts.attempt = query.value(12).toInt();
}

enum class Health { Sound, Damaged, Unusable };

Health health(QSqlDatabase& db, QString& error) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA integrity_check"))) {
        error = query.lastError().text();
        return isDamage(query.lastError()) ? Health::Damaged : Health::Unusable;
    }
    if (query.next() && query.value(0).toString() == QStringLiteral("ok"))
        return Health::Sound;
    error = query.value(0).toString();
    return Health::Damaged;
}

// Runs `statement` once per item, bound by `bind`, in one transaction: all of them are
// stored or none.
template <typename Items, typename Bind>
bool execEachInOneTransaction(QSqlDatabase db, QSqlQuery& statement, const Items& items, Bind bind,
                              QString& error) {
    if (!db.transaction()) {
        error = db.lastError().text();
        return false;
    }
    for (const auto& item : items) {
        bind(statement, item);
        if (!statement.exec()) {
            error = statement.lastError().text();
            db.rollback();
            return false;
        }
    }
    if (db.commit())
        return true;
    error = db.lastError().text();
    db.rollback();
    return false;
}

} // namespace

struct HistoryStore::Statements {
    QSqlQuery insert;
    QSqlQuery select;
    QSqlQuery latestFacts;
    QSqlQuery any;
    QSqlQuery unsent;
    QSqlQuery markSent;
    QSqlQuery unsentCount;
    QSqlQuery markInDataFile;

    explicit Statements(const QSqlDatabase& db)
        : insert(db), select(db), latestFacts(db), any(db), unsent(db), markSent(db), unsentCount(db),
          markInDataFile(db) {}
};

QString HistoryStore::pathIn(const QString& dataDir) {
    return QDir(dataDir).filePath(fileName());
}

HistoryStore::HistoryStore(QString filePath)
    : m_path(std::move(filePath)), m_connection(newConnectionName()) {}

HistoryStore::~HistoryStore() {
    disconnect();
    releaseInUseMark();
}

bool HistoryStore::isOpen() const {
    return m_statements != nullptr;
}

bool HistoryStore::open(Access access, QString& notice) {
    disconnect();
    QString error;
    if (access == Access::ReadOnly) {
        if (!QFileInfo::exists(m_path))
            return false;
        if (connect(access, error) && prepare(error))
            return true;
        notice = error;
        disconnect();
        return false;
    }

    // Checking the whole file takes seconds for a long history; a history closed cleanly
    // has no need of it, and damage met later is told when it is met.
    const bool unclean = claimInUseMark();
    bool damaged = false;
    bool ready = connect(access, error);
    if (ready && unclean) {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QString detail;
        const Health found = health(db, detail);
        damaged = found == Health::Damaged;
        ready = found == Health::Sound;
        if (!ready)
            error = damaged ? trouble(HistoryTrouble::Damaged, detail)
                            : trouble(HistoryTrouble::CannotRead, detail);
    }
    ready = ready && check(error, damaged);
    if (!ready && damaged) {
        disconnect();
        if (!setAside(notice)) {
            releaseInUseMark();
            return false;
        }
        error.clear();
        ready = connect(access, error) && check(error, damaged);
    }
    if (ready && prepare(error))
        return true;
    disconnect();
    releaseInUseMark();
    notice = notice.isEmpty() ? error : notice + QStringLiteral("\r\n\r\n") + error;
    return false;
}

QString HistoryStore::trouble(HistoryTrouble what, const QString& reason) const {
    const QString file = QDir::toNativeSeparators(m_path);
    switch (what) {
    case HistoryTrouble::CannotRead:
        return reason.isEmpty()
                   ? QCoreApplication::translate("HistoryStore", "The answer history %1 cannot be read.")
                         .arg(file)
                   : QCoreApplication::translate("HistoryStore", "The answer history %1 cannot be read: %2")
                         .arg(file, reason);
    case HistoryTrouble::CannotWrite:
        return reason.isEmpty()
                   ? QCoreApplication::translate("HistoryStore", "The answer history %1 cannot be written.")
                         .arg(file)
                   : QCoreApplication::translate("HistoryStore",
                                                 "The answer history %1 cannot be written: %2")
                         .arg(file, reason);
    case HistoryTrouble::Damaged:
        return reason.isEmpty()
                   ? QCoreApplication::translate("HistoryStore", "The answer history %1 is damaged.")
                         .arg(file)
                   : QCoreApplication::translate("HistoryStore", "The answer history %1 is damaged: %2")
                         .arg(file, reason);
    case HistoryTrouble::MadeByNewer:
        return reason.isEmpty()
                   ? QCoreApplication::translate(
                         "HistoryStore", "The answer history %1 was made by a newer version of Tonalyst.")
                         .arg(file)
                   : QCoreApplication::translate(
                         "HistoryStore", "The answer history %1 was made by a newer version of Tonalyst: %2")
                         .arg(file, reason);
    case HistoryTrouble::MadeByOlder:
        return reason.isEmpty()
                   ? QCoreApplication::translate(
                         "HistoryStore", "The answer history %1 was made by an older version of Tonalyst.")
                         .arg(file)
                   : QCoreApplication::translate(
                         "HistoryStore", "The answer history %1 was made by an older version of Tonalyst: %2")
                         .arg(file, reason);
    }
    return {};
}

QString HistoryStore::failure(bool writing, const QString& detail) const {
    if (const auto found = blocked(m_path, writing))
        return trouble(found->first, found->second);
    return trouble(writing ? HistoryTrouble::CannotWrite : HistoryTrouble::CannotRead, detail);
}

bool HistoryStore::claimInUseMark() {
    releaseInUseMark();
    const QByteArray name = QFile::encodeName(m_path + QStringLiteral("-inuse"));
    const int mark = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (mark < 0)
        return false;
    // Held by a store still open, in this program or another: nothing was cut short.
    if (::flock(mark, LOCK_EX | LOCK_NB) != 0) {
        ::close(mark);
        return false;
    }
    char left = 0;
    const bool unclean = ::pread(mark, &left, 1, 0) == 1 && left == '1';
    if (::pwrite(mark, "1", 1, 0) != 1) {
        ::close(mark);
        return unclean;
    }
    m_inUseMark = mark;
    return unclean;
}

void HistoryStore::releaseInUseMark() {
    if (m_inUseMark < 0)
        return;
    // Emptied, the mark tells the next store that this one closed cleanly.
    if (::ftruncate(m_inUseMark, 0) != 0)
        qWarning("the history's in-use mark could not be cleared: %s", std::strerror(errno));
    ::close(m_inUseMark);
    m_inUseMark = -1;
}

bool HistoryStore::connect(Access access, QString& error) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (db.open())
        return true;
    error = failure(access == Access::ReadWrite, db.lastError().text());
    return false;
}

void HistoryStore::disconnect() {
    m_statements.reset();
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

// Write-ahead logging, so that a reader never waits for a writer and a kill mid-write
// leaves the last committed state; then the schema brought up to date.
bool HistoryStore::check(QString& error, bool& damaged) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const auto unwritable = [this, &error](const QString& detail) {
        error = failure(true, detail);
        return false;
    };
    QSqlQuery wal(db);
    if (!wal.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !wal.next()) {
        damaged = isDamage(wal.lastError());
        if (damaged) {
            error = trouble(HistoryTrouble::Damaged, wal.lastError().databaseText());
            return false;
        }
        return unwritable(wal.lastError().text());
    }
    const QString mode = wal.value(0).toString();
    wal.finish();
    if (mode != QStringLiteral("wal"))
        return unwritable(
            QCoreApplication::translate("HistoryStore", "the file does not allow write-ahead logging"));
    QSqlQuery synchronous(db);
    synchronous.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    if (historySchemaVersion(db) > kHistorySchemaVersion) {
        error = trouble(HistoryTrouble::MadeByNewer, {});
        return false;
    }
    QString detail;
    return migrateHistory(db, kHistorySchemaVersion, detail) || unwritable(detail);
}

bool HistoryStore::prepare(QString& error) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        error = isDamage(version.lastError())
                    ? trouble(HistoryTrouble::Damaged, version.lastError().databaseText())
                    : failure(false, version.lastError().text());
        return false;
    }
    const int found = version.value(0).toInt();
    version.finish();
    if (found > kHistorySchemaVersion) {
        error = trouble(HistoryTrouble::MadeByNewer, {});
        return false;
    }
    if (found < kHistorySchemaVersion) {
        error = trouble(
            HistoryTrouble::MadeByOlder,
            QCoreApplication::translate("HistoryStore", "start Tonalyst once to bring it up to date"));
        return false;
    }
    auto statements = std::make_unique<Statements>(db);
    // Rows are read once, in order: no need for Qt to keep a copy of each.
    statements->select.setForwardOnly(true);
    statements->latestFacts.setForwardOnly(true);
    statements->unsent.setForwardOnly(true);
    QSqlError failed;
    const auto take = [&failed](QSqlQuery& statement, const QString& sql) {
        if (statement.prepare(sql))
            return true;
        failed = statement.lastError();
        return false;
    };
    const bool prepared =
        take(statements->insert,
             QStringLiteral("INSERT INTO answers (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                            "?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (answer_id) DO NOTHING")
                 .arg(kColumns)) &&
        take(statements->select,
             QStringLiteral("SELECT %1 FROM answers WHERE user_id = ? AND answered_utc >= ? "
                            "AND answered_utc < ? ORDER BY answered_utc DESC, rowid DESC "
                            "LIMIT ?")
                 .arg(kColumns)) &&
        take(statements->latestFacts,
             QStringLiteral(
                 "SELECT %1 FROM answers WHERE user_id = ? ORDER BY answered_utc DESC, rowid DESC LIMIT ?")
                 .arg(kFactColumns)) &&
        take(statements->any, QStringLiteral("SELECT 1 FROM answers LIMIT 1")) &&
        take(statements->unsent,
             QStringLiteral("SELECT %1 FROM answers WHERE user_id = ? AND sent = 0 AND imported = 0 "
                            "ORDER BY answered_utc, rowid LIMIT ?")
                 .arg(kColumns)) &&
        take(statements->markSent, QStringLiteral("UPDATE answers SET sent = 1 WHERE answer_id = ?")) &&
        take(
            statements->unsentCount,
            QStringLiteral("SELECT count(*) FROM answers WHERE user_id = ? AND sent = 0 AND imported = 0")) &&
        take(statements->markInDataFile,
             QStringLiteral("UPDATE answers SET in_data_file = 1 WHERE answer_id = ?"));
    if (!prepared) {
        error = isDamage(failed) ? trouble(HistoryTrouble::Damaged, failed.databaseText())
                                 : trouble(HistoryTrouble::CannotRead, failed.text());
        return false;
    }
    m_statements = std::move(statements);
    return true;
}

bool HistoryStore::setAside(QString& notice) {
    const QString aside = m_path + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // The log belongs to the damaged file; left in place it would be replayed into the new one.
    QFile::rename(m_path + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(m_path + QStringLiteral("-shm"));
    if (!QFile::rename(m_path, aside)) {
        notice = QCoreApplication::translate("HistoryStore",
                                             "The answer history %1 is damaged and cannot be renamed aside.")
                     .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    notice =
        QCoreApplication::translate(
            "HistoryStore", "The answer history %1 was damaged. It has been renamed %2 and a new history "
                            "has been started.")
            .arg(QDir::toNativeSeparators(m_path), QFileInfo(aside).fileName());
    return true;
}

bool HistoryStore::append(const std::vector<AnswerRecord>& answers, QString& error) {
    if (!m_statements) {
        error = QCoreApplication::translate("HistoryStore", "the history is not open");
        return false;
    }
    return execEachInOneTransaction(QSqlDatabase::database(m_connection, false), m_statements->insert,
                                    answers, bindRecord, error);
}

bool HistoryStore::markInDataFile(const QStringList& answerIds, QString& error) {
    if (!m_statements) {
        error = QCoreApplication::translate("HistoryStore", "the history is not open");
        return false;
    }
    return execEachInOneTransaction(QSqlDatabase::database(m_connection, false), m_statements->markInDataFile,
                                    answerIds, bindId, error);
}

bool HistoryStore::readAnswers(const AnswerSpan& span, const std::function<void(const StoredAnswer&)>& each,
                               QString& error) {
    if (!m_statements) {
        error = trouble(HistoryTrouble::CannotRead,
                        QCoreApplication::translate("HistoryStore", "it is not open"));
        return false;
    }
    const QString within =
        QStringLiteral("FROM answers WHERE user_id = ?1 AND answered_utc >= ?2 AND answered_utc < ?3");
    // In the order of the index, so that rows come as they are found, never sorted first.
    const QString sql =
        span.last
            ? QStringLiteral("SELECT %1 FROM (SELECT rowid AS stored, %1 %2 ORDER BY answered_utc DESC, "
                             "rowid DESC LIMIT ?4) ORDER BY answered_utc, stored")
                  .arg(kColumns, within)
            : QStringLiteral("SELECT %1 %2 ORDER BY answered_utc, rowid").arg(kColumns, within);
    RowQuery query{sql,
                   {span.userId, span.from ? timeText(*span.from) : QStringLiteral(""),
                    span.to ? timeText(*span.to) : QStringLiteral("~")}};
    if (span.last)
        query.values.append(qint64(std::max(0, *span.last)));
    // A row's fields as UTF-8, one after another in one buffer that keeps its size from row
    // to row: a long history is read without a new allocation for every field.
    QByteArray fields;
    std::array<QString, kStoredAnswerFields> texts;
    std::array<std::optional<qint64>, kStoredAnswerFields> numbers;
    QStringEncoder utf8(QStringEncoder::Utf8);
    constexpr qsizetype kLongestNumber = 20;
    StoredAnswer answer;
    QSqlError failed;
    const bool read = stepRows(
        QSqlDatabase::database(m_connection, false), query,
        [&](const QSqlQuery& row) {
            qsizetype needed = 0;
            for (std::size_t i = 0; i < kStoredAnswerFields; ++i) {
                const QVariant value = row.value(static_cast<int>(i));
                numbers[i] =
                    value.typeId() == QMetaType::LongLong ? std::optional(value.toLongLong()) : std::nullopt;
                texts[i] = numbers[i] ? QString() : value.toString();
                needed += numbers[i] ? kLongestNumber : utf8.requiredSpace(texts[i].size());
            }
            fields.resize(needed);
            char* at = fields.data();
            for (std::size_t i = 0; i < kStoredAnswerFields; ++i) {
                char* const start = at;
                at = numbers[i] ? std::to_chars(at, at + kLongestNumber, *numbers[i]).ptr
                                : utf8.appendToBuffer(at, texts[i]);
                answer[i] = QByteArrayView(start, at - start);
            }
            each(answer);
        },
        failed);
    if (!read)
        error = isDamage(failed) ? trouble(HistoryTrouble::Damaged, failed.databaseText())
                                 : trouble(HistoryTrouble::CannotRead, failed.databaseText());
    return read;
}

std::vector<AnswerRecord> HistoryStore::answers(const HistoryQuery& query) {
    std::vector<AnswerRecord> found;
    if (!m_statements)
        return found;
    QSqlQuery& select = m_statements->select;
    select.bindValue(0, query.userId);
    select.bindValue(1, query.from ? dayStart(*query.from) : QStringLiteral(""));
    // Past every stored time: "~" sorts after the digits.
    select.bindValue(2, query.to ? dayStart(query.to->addDays(1)) : QStringLiteral("~"));
    select.bindValue(3, query.last ? std::max(0, *query.last) : -1);
    if (!select.exec())
        return found;
    while (select.next())
        found.push_back(readRecord(select));
    select.finish();
    std::reverse(found.begin(), found.end());
    return found;
}

bool HistoryStore::readFacts(const QString& userId, const std::optional<QDateTime>& from,
                             const std::optional<QDateTime>& to,
                             const std::function<void(const AnswerFacts&)>& each, ReadShare share) {
    if (!m_statements)
        return false;
    const FactQuery query{QStringLiteral("SELECT %1 FROM answers WHERE user_id = ?1 AND answered_utc >= ?2 "
                                         "AND answered_utc < ?3 AND rowid % ?4 = ?5")
                              .arg(kFactColumns),
                          userId,
                          from ? timeText(*from) : QStringLiteral(""),
                          to ? timeText(*to) : QStringLiteral("~"),
                          std::max(1, share.shares),
                          share.share};
    return stepFactRows(QSqlDatabase::database(m_connection, false), query, each);
}

std::optional<std::vector<AnswerFacts>> HistoryStore::latestFacts(const QString& userId, int count,
                                                                  QString& error) {
    if (!m_statements) {
        error = trouble(HistoryTrouble::CannotRead,
                        QCoreApplication::translate("HistoryStore", "it is not open"));
        return std::nullopt;
    }
    std::vector<AnswerFacts> found;
    QSqlQuery& select = m_statements->latestFacts;
    select.bindValue(0, userId);
    select.bindValue(1, std::max(0, count));
    bool read = select.exec();
    while (read && select.next())
        readFactsRow(select, found.emplace_back());
    // A row that cannot be read ends next() as the last row does; only the error tells them apart.
    const QSqlError failed = select.lastError();
    select.finish();
    if (!read || failed.isValid()) {
        error = isDamage(failed) ? trouble(HistoryTrouble::Damaged, failed.databaseText())
                                 : trouble(HistoryTrouble::CannotRead, failed.text());
        return std::nullopt;
    }
    std::reverse(found.begin(), found.end());
    return found;
}

bool HistoryStore::isEmpty() {
    if (!m_statements || !m_statements->any.exec())
        return true;
    const bool empty = !m_statements->any.next();
    m_statements->any.finish();
    return empty;
}

std::vector<AnswerRecord> HistoryStore::unsent(const QString& userId, int limit) {
    std::vector<AnswerRecord> found;
    if (!m_statements)
        return found;
    m_statements->unsent.bindValue(0, userId);
    m_statements->unsent.bindValue(1, std::max(0, limit));
    if (!m_statements->unsent.exec())
        return found;
    while (m_statements->unsent.next())
        found.push_back(readRecord(m_statements->unsent));
    m_statements->unsent.finish();
    return found;
}

bool HistoryStore::markSent(const QStringList& answerIds) {
    if (!m_statements)
        return false;
    QString error;
    return execEachInOneTransaction(QSqlDatabase::database(m_connection, false), m_statements->markSent,
                                    answerIds, bindId, error);
}

int HistoryStore::unsentCount(const QString& userId) {
    if (!m_statements)
        return 0;
    m_statements->unsentCount.bindValue(0, userId);
    if (!m_statements->unsentCount.exec() || !m_statements->unsentCount.next())
        return 0;
    const int count = m_statements->unsentCount.value(0).toInt();
    m_statements->unsentCount.finish();
    return count;
}

} // namespace tonalyst
