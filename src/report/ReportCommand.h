#pragma once

#include <QStringList>
#include <QTextStream>

namespace tonalyst {

// "tonalyst report ...": a performance report on standard output, or printed into a PDF
// file, without opening a window. `arguments` are those after "report". Returns the exit
// status: 0 done, 2 refused (bad arguments, dates or file; the message goes to `err`).
// Call it before any QApplication exists; it starts what it needs itself.
int runReportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace tonalyst
