#pragma once

#include <QString>

class QSqlDatabase;

namespace tonalyst {

// The history's schema as numbered steps; PRAGMA user_version holds the last step a
// database has been through. Step 1 keeps the answers, step 2 remembers which of them
// the class server already has, step 3 keeps the notes an answer was played with.
inline constexpr int kHistorySchemaVersion = 3;

// The step a database has reached (0 for a new, empty file), or -1 when it cannot be read.
int historySchemaVersion(QSqlDatabase& db);

// Runs the steps after the database's own up to `target`, each in its own transaction.
// False, with the reason in `error`, when a step fails or the database was made by a
// newer Tonalyst.
bool migrateHistory(QSqlDatabase& db, int target, QString& error);

} // namespace tonalyst
