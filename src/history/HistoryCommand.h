#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace tonalyst {

// `tonalyst history --user ID [--data-dir DIR] [--from DATE --to DATE | --last N]
// (--csv | --json)`: the user's answers, oldest first, to `out`. args are the arguments
// after "history". Returns the exit status: 0 done, 1 the history cannot be read, 2 bad
// options (the reason goes to err).
int runHistoryCommand(const QStringList& args, QIODevice& out, QTextStream& err);

} // namespace tonalyst
