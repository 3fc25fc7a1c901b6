#pragma once

#include "progress/ProgressStatistics.h"

#include <QString>

#include <optional>

namespace tonalyst {

class HistoryStore;

// The figures of the query's dates for the user's answers in the history, worked out as
// they are read, never all held at once: what computeProgress gives for the same answers.
// Nothing when the history cannot be read.
std::optional<ProgressStatistics> readProgress(HistoryStore& store, const QString& userId,
                                               const ProgressQuery& query);

} // namespace tonalyst
