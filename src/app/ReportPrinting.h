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

// Prints the lines as one document, each item at its character column, starting new pages
// as needed. False when the printer could not be started.
bool printReportLines(QPrinter& printer, const QStringList& lines);

} // namespace tonalyst
