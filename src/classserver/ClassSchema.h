#pragma once

#include "classserver/PgConnection.h"

#include <QString>

#include <optional>

namespace tonalyst {

// The class database's tables, roles and rules, built up by numbered steps. The
// version reached is kept in the schema_version table; each step runs in the same
// transaction as its version row, so a database is never left between two versions.
class ClassSchema {
public:
    // The newest version this Tonalyst knows.
    static int latestVersion();

    // The database's version: 0 when it has no Tonalyst schema; nullopt when it cannot be
    // read (the reason goes to `problem`).
    static std::optional<int> currentVersion(PgConnection& db, QString* problem = nullptr);

    // Creates or upgrades the schema up to `target` (the latest by default). Refuses a
    // database made by a newer Tonalyst. False, with the reason in `problem`, on failure.
    static bool migrate(PgConnection& db, QString& problem, std::optional<int> target = std::nullopt);

    // The message for a database newer than this Tonalyst.
    static QString newerSchemaMessage(int found);
};

} // namespace tonalyst
