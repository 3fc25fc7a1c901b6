#pragma once

#include <QFont>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <functional>
#include <memory>

namespace tonalyst {

// The fixed-pitch font the report text is set in, so its columns line up.
QFont reportFont();

// The given printer, set to landscape; or, when there is none (a null QPrinterInfo), a PDF
// file of the same layout at the path choosePdfFile gives. nullptr when that is cancelled.
std::unique_ptr<QPrinter> openReportPrinter(const QPrinterInfo& printer,
                                            const std::function<QString()>& choosePdfFile);

// True when the page is taller than wide: the report's columns need landscape paper.
bool isPortrait(const QPrinter& printer);

// Prints the reports as one document, each item of a line at its character column. A report
// that the rest of a page cannot hold starts on a new page, so that its table is not split
// when it need not be; one longer than a page runs on over as many as it needs. False when
// the printer could not be started.
bool printReportLines(QPrinter& printer, const QList<QStringList>& reports);

} // namespace tonalyst
