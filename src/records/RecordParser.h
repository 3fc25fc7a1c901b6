#pragma once

#include "records/PerformanceRecord.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tonalyst {

// A line read back from a data file: the record, or why the line is not one.
struct ParsedRecord {
    std::optional<PerformanceRecord> record;
    QString reason;
};

// Reads one line of a data file, with or without its line end. Anything that is not
// exactly nine fields of the right kinds is refused with a reason; the line may be
// arbitrary bytes.
ParsedRecord parseRecordLine(QByteArrayView line);

} // namespace tonalyst
