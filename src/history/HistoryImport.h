#pragma once

#include "history/AnswerRecord.h"
#include "records/RecordScanner.h"

#include <QString>

#include <vector>

namespace tonalyst {

// One data-file record as a history summary: its fields, no answers, marked imported and
// counted in the data file, placed at noon of its day so it stays there whatever the
// clocks do that night. The caller gives it its ids.
AnswerRecord summaryOf(const RecordView& record);

// The records of a performance data file as history summaries: the data file's fields,
// no answers, marked imported. The data file keeps dates only, so each record is placed
// at noon of its day, local time. The file is read as `tonalyst report` reads it (a
// byte-order mark, CR LF, LF or CR-only lines), and like the report the import takes
// all of it or nothing: a line that is not a record gives no summaries and the reason
// in `error`. Only the first `bytes` of the file are read: what it held when the
// program started. A missing file has no records.
std::vector<AnswerRecord> dataFileSummaries(const QString& dataFilePath, qint64 bytes, QString& error);

} // namespace tonalyst
