#include "history/HistoryStore.h"

#include "history/AnswerRow.h"
#include "history/HistorySchema.h"
#include "history/HistoryTroubles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tonalyst {

namespace {

QString newConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("tonalyst-history-%1").arg(next++);
}

void bindId(QSqlQuery& query, const QString& answerId) {
    query.bindValue(0, answerId);
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
                 .arg(kAnswerColumns)) &&
        take(statements->select,
             QStringLiteral("SELECT %1 FROM answers WHERE user_id = ? AND answered_utc >= ? "
                            "AND answered_utc < ? ORDER BY answered_utc DESC, rowid DESC "
                            "LIMIT ?")
                 .arg(kAnswerColumns)) &&
        take(statements->latestFacts,
             QStringLiteral(
                 "SELECT %1 FROM answers WHERE user_id = ? ORDER BY answered_utc DESC, rowid DESC LIMIT ?")
                 .arg(kFactColumns)) &&
        take(statements->any, QStringLiteral("SELECT 1 FROM answers LIMIT 1")) &&
        take(statements->unsent,
             QStringLiteral("SELECT %1 FROM answers WHERE user_id = ? AND sent = 0 AND imported = 0 "
                            "ORDER BY answered_utc, rowid LIMIT ?")
                 .arg(kAnswerColumns)) &&
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

std::vector<AnswerRecord> HistoryStore::answers(const HistoryQuery& query) {
    std::vector<AnswerRecord> found;
    if (!m_statements)
        return found;
    QSqlQuery& select = m_statements->select;
    select.bindValue(0, query.userId);
    select.bindValue(1, query.from ? storedDayStart(*query.from) : QStringLiteral(""));
    // Past every stored time: "~" sorts after the digits.
    select.bindValue(2, query.to ? storedDayStart(query.to->addDays(1)) : QStringLiteral("~"));
    select.bindValue(3, query.last ? std::max(0, *query.last) : -1);
    if (!select.exec())
        return found;
    while (select.next())
        found.push_back(readRecord(select));
    select.finish();
    std::reverse(found.begin(), found.end());
    return found;
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
