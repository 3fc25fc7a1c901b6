#pragma once

#include <QStringList>
#include <QTextStream>

namespace tonalyst {

// "tonalyst class ...": sets up a class database, adds students and teachers, imports
// data files and prints reports and summaries from it. `arguments` are those after
// "class". Returns the exit status: 0 done, 1 the server failed or refused, 2 bad
// arguments (the message goes to `err`).
int runClassCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace tonalyst
