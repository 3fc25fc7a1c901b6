#include "history/HistoryStore.h"

#include "history/FactRows.h"
#include "history/HistorySchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <memory>

namespace tonalyst {

namespace {

const QString kColumns = QStringLiteral(
    "answer_id, answered_utc, user_id, run_id, method, activity, inversions, category, accidentals, "
    "key_name, item, inversion, asked, given, right_answer, correct, attempt, seconds, in_data_file, "
    "imported");

// SQLite's result codes for a file that is not a database, or a damaged one.
const QString kNotADatabase = QStringLiteral("26");
const QString kCorrupt = QStringLiteral("11");

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
                              a.inDataFile,  a.imported};
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
    return a;
}

// Seconds come as a number: one text fewer per answer for the driver to copy.
const QString kFactColumns = QStringLiteral(
    "CAST(strftime('%s', answered_utc) AS INTEGER), method, activity, category, key_name, item, right_answer, "
    "given, correct, seconds, in_data_file, imported");

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
}

enum class Health { Sound, Damaged, Unusable };

Health health(QSqlDatabase& db, QString& error) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA integrity_check"))) {
        error = query.lastError().text();
        const QString code = query.lastError().nativeErrorCode();
        return code == kNotADatabase || code == kCorrupt ? Health::Damaged : Health::Unusable;
    }
    if (query.next() && query.value(0).toString() == QStringLiteral("ok"))
        return Health::Sound;
    error = query.value(0).toString();
    return Health::Damaged;
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

    explicit Statements(const QSqlDatabase& db)
        : insert(db), select(db), latestFacts(db), any(db), unsent(db), markSent(db), unsentCount(db) {}
};

QString HistoryStore::pathIn(const QString& dataDir) {
    return QDir(dataDir).filePath(fileName());
}

HistoryStore::HistoryStore(QString filePath)
    : m_path(std::move(filePath)), m_connection(newConnectionName()) {}

HistoryStore::~HistoryStore() {
    disconnect();
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
        notice = QStringLiteral("The answer history %1 cannot be read: %2").arg(m_path, error);
        disconnect();
        return false;
    }

    if (connect(access, error)) {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        switch (health(db, error)) {
        case Health::Sound:
            break;
        case Health::Damaged:
            disconnect();
            if (!setAside(notice))
                return false;
            connect(access, error);
            break;
        case Health::Unusable:
            disconnect();
            break;
        }
    }
    if (QSqlDatabase::contains(m_connection) && check(error) && prepare(error))
        return true;
    disconnect();
    const QString reason =
        QStringLiteral("The answer history %1 cannot be written: %2\r\nYour answers are still "
                       "kept in the performance data file, but not in the history.")
            .arg(QDir::toNativeSeparators(m_path), error);
    notice = notice.isEmpty() ? reason : notice + QStringLiteral("\r\n\r\n") + reason;
    return false;
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
    error = db.lastError().text();
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
bool HistoryStore::check(QString& error) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery wal(db);
    if (!wal.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !wal.next()) {
        error = wal.lastError().text();
        return false;
    }
    const QString mode = wal.value(0).toString();
    wal.finish();
    if (mode != QStringLiteral("wal")) {
        error = QStringLiteral("the file does not allow write-ahead logging");
        return false;
    }
    QSqlQuery synchronous(db);
    synchronous.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    return migrateHistory(db, kHistorySchemaVersion, error);
}

bool HistoryStore::prepare(QString& error) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (historySchemaVersion(db) != kHistorySchemaVersion) {
        error = QStringLiteral("it was made by another version of Tonalyst");
        return false;
    }
    auto statements = std::make_unique<Statements>(db);
    // Rows are read once, in order: no need for Qt to keep a copy of each.
    statements->select.setForwardOnly(true);
    statements->latestFacts.setForwardOnly(true);
    statements->unsent.setForwardOnly(true);
    const bool prepared =
        statements->insert.prepare(
            QStringLiteral("INSERT INTO answers (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?, ?, ?, ?, ?, ?) ON CONFLICT (answer_id) DO NOTHING")
                .arg(kColumns)) &&
        statements->select.prepare(
            QStringLiteral("SELECT %1 FROM answers WHERE user_id = ? AND answered_utc >= ? "
                           "AND answered_utc < ? ORDER BY answered_utc DESC, rowid DESC "
                           "LIMIT ?")
                .arg(kColumns)) &&
        statements->latestFacts.prepare(
            QStringLiteral("SELECT %1 FROM answers WHERE user_id = ? ORDER BY answered_utc DESC, rowid DESC LIMIT ?")
                .arg(kFactColumns)) &&
        statements->any.prepare(QStringLiteral("SELECT 1 FROM answers LIMIT 1")) &&
        statements->unsent.prepare(
            QStringLiteral("SELECT %1 FROM answers WHERE user_id = ? AND sent = 0 AND imported = 0 "
                           "ORDER BY answered_utc, rowid LIMIT ?")
                .arg(kColumns)) &&
        statements->markSent.prepare(QStringLiteral("UPDATE answers SET sent = 1 WHERE answer_id = ?")) &&
        statements->unsentCount.prepare(QStringLiteral(
            "SELECT count(*) FROM answers WHERE user_id = ? AND sent = 0 AND imported = 0"));
    if (!prepared) {
        error = db.lastError().text();
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
        notice = QStringLiteral("The answer history %1 is damaged and cannot be renamed aside.")
                     .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    notice = QStringLiteral("The answer history %1 was damaged. It has been renamed %2 and a new history "
                            "has been started.")
                 .arg(QDir::toNativeSeparators(m_path), QFileInfo(aside).fileName());
    return true;
}

bool HistoryStore::append(const std::vector<AnswerRecord>& answers, QString& error) {
    if (!m_statements) {
        error = QStringLiteral("the history is not open");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        error = db.lastError().text();
        return false;
    }
    for (const AnswerRecord& answer : answers) {
        bindRecord(m_statements->insert, answer);
        if (!m_statements->insert.exec()) {
            error = m_statements->insert.lastError().text();
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
                             const std::optional<QDateTime>& to, const std::function<void(const AnswerFacts&)>& each,
                             ReadShare share) {
    if (!m_statements)
        return false;
    const FactQuery query{QStringLiteral("SELECT %1 FROM answers WHERE user_id = ?1 AND answered_utc >= ?2 "
                                         "AND answered_utc < ?3 AND rowid % ?4 = ?5")
                              .arg(kFactColumns)
                              .toUtf8(),
                          userId.toUtf8(),
                          from ? timeText(*from).toUtf8() : QByteArray(),
                          to ? timeText(*to).toUtf8() : QByteArrayLiteral("~"),
                          std::max(1, share.shares),
                          share.share};
    return stepFactRows(QSqlDatabase::database(m_connection, false), query, each);
}

std::vector<AnswerFacts> HistoryStore::latestFacts(const QString& userId, int count) {
    std::vector<AnswerFacts> found;
    if (!m_statements)
        return found;
    QSqlQuery& select = m_statements->latestFacts;
    select.bindValue(0, userId);
    select.bindValue(1, std::max(0, count));
    if (!select.exec())
        return found;
    while (select.next())
        readFactsRow(select, found.emplace_back());
    select.finish();
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
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return false;
    for (const QString& id : answerIds) {
        m_statements->markSent.bindValue(0, id);
        if (!m_statements->markSent.exec()) {
            db.rollback();
            return false;
        }
    }
    if (db.commit())
        return true;
    db.rollback();
    return false;
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
