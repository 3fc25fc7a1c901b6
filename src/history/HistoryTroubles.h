#pragma once

#include "history/HistoryStore.h"

#include <QString>

#include <optional>
#include <utility>

class QSqlError;

namespace tonalyst {

// A file that is not a database, or a damaged one, as against one that cannot be reached.
bool isDamage(const QSqlError& error);
// What the system says stands in the way of reading the history file at `path`, or also of
// writing it and the files beside it: what cannot be done, and why; nullopt when it sees nothing.
std::optional<std::pair<HistoryTrouble, QString>> blockedHistory(const QString& path, bool writing);

} // namespace tonalyst
