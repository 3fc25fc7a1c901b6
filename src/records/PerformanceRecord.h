#pragma once

#include "records/PendingRecord.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace tonalyst {

// One line of the performance data file.
struct PerformanceRecord {
    QString userId;
    QDate date;
    QString method;
    QString activity;
    QString inversions;
    QString category;
    int seconds = 0;
    int success = 0;
    int accidentals = 0;

    static PerformanceRecord fromPending(const PendingRecord& pending, const QString& userId, QDate date);

    friend bool operator==(const PerformanceRecord&, const PerformanceRecord&) = default;
};

// The record as one line of the data file, CR LF included, always one that
// parseRecordLine reads back: quotes and control characters in a text field become
// blanks or apostrophes, and over-long texts are cut, rather than break the line.
QByteArray recordLine(const PerformanceRecord& record);

} // namespace tonalyst
