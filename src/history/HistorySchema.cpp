#include "history/HistorySchema.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <array>
#include <span>
#include <string_view>

namespace tonalyst {

namespace {

constexpr std::array<std::string_view, 2> kStep1{
    "CREATE TABLE answers ("
    " answer_id TEXT PRIMARY KEY NOT NULL,"
    " answered_utc TEXT NOT NULL,"
    " user_id TEXT NOT NULL,"
    " run_id TEXT NOT NULL,"
    " method TEXT NOT NULL,"
    " activity TEXT NOT NULL,"
    " inversions TEXT NOT NULL,"
    " category TEXT NOT NULL,"
    " accidentals INTEGER NOT NULL,"
    " key_name TEXT NOT NULL,"
    " item TEXT NOT NULL,"
    " inversion TEXT NOT NULL,"
    " asked TEXT NOT NULL,"
    " given TEXT NOT NULL,"
    " right_answer TEXT NOT NULL,"
    " correct INTEGER NOT NULL,"
    " attempt INTEGER NOT NULL,"
    " seconds INTEGER NOT NULL,"
    " in_data_file INTEGER NOT NULL,"
    " imported INTEGER NOT NULL)",
    "CREATE INDEX answers_by_user ON answers (user_id, answered_utc)"};

constexpr std::array<std::string_view, 2> kStep2{
    "ALTER TABLE answers ADD COLUMN sent INTEGER NOT NULL DEFAULT 0",
    "CREATE INDEX answers_unsent ON answers (answered_utc) WHERE sent = 0"};

constexpr std::array<std::string_view, 1> kStep3{
    "ALTER TABLE answers ADD COLUMN played TEXT NOT NULL DEFAULT ''"};

constexpr std::array<std::span<const std::string_view>, kHistorySchemaVersion> kSteps{kStep1, kStep2, kStep3};

bool run(QSqlDatabase& db, const QString& statement, QString& error) {
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    error = query.lastError().text();
    return false;
}

} // namespace

int historySchemaVersion(QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

bool migrateHistory(QSqlDatabase& db, int target, QString& error) {
    const int current = historySchemaVersion(db);
    if (current < 0) {
        error = db.lastError().text();
        return false;
    }
    if (current > kHistorySchemaVersion) {
        error = QCoreApplication::translate("HistorySchema", "it was made by a newer version of Tonalyst");
        return false;
    }
    for (int step = current + 1; step <= target; ++step) {
        // Immediate, so two programs opening a new history never both run a step.
        if (!run(db, QStringLiteral("BEGIN IMMEDIATE"), error))
            return false;
        // Another program may have run the step while this one waited for the lock.
        if (historySchemaVersion(db) >= step) {
            run(db, QStringLiteral("COMMIT"), error);
            continue;
        }
        bool done = true;
        for (std::string_view statement : kSteps[static_cast<std::size_t>(step - 1)])
            done = done && run(db, QString::fromLatin1(statement), error);
        done = done && run(db, QStringLiteral("PRAGMA user_version = %1").arg(step), error);
        done = done && run(db, QStringLiteral("COMMIT"), error);
        if (!done) {
            QString ignored;
            run(db, QStringLiteral("ROLLBACK"), ignored);
            return false;
        }
    }
    return true;
}

} // namespace tonalyst
