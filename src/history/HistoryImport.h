#pragma once

#include "history/AnswerRecord.h"

#include <QString>

#include <vector>

namespace tonalyst {

// The records of a performance data file as history summaries: the data file's fields,
// no answers, marked imported. The data file keeps dates only, so each record is placed
// at noon of its day, local time. Lines that are not records are passed over.
// Only the first `bytes` of the file are read: what it held when the program started.
std::vector<AnswerRecord> dataFileSummaries(const QString& dataFilePath, qint64 bytes);

} // namespace tonalyst
