#pragma once

#include <QString>
#include <QStringList>

namespace tonalyst {

// Beyond this many records, compiling a report advises archiving the data file.
inline constexpr qint64 kArchiveAdviceRecords = 1000;

// The texts the report functions show, word for word.
QString reportFileProblemMessage();
QString invalidStartDateMessage();
QString invalidEndDateMessage();
QString startAfterEndMessage();
QString recordCountAdviceMessage(const QString& sourceName, qint64 recordCount);
QString landscapeRequiredMessage();
QString reportGenerationErrorMessage();

// What the progress window shows while a report is made or printed.
QStringList creatingReportLines();
QStringList printingReportLines();

} // namespace tonalyst
