#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace tonalyst {

class Clock;

// `tonalyst history --user ID [--data-dir DIR] [--from DATE --to DATE | --last N]
// [--answers N] (--csv | --json)`: the user's answers, oldest first, to `out`. args are
// the arguments after "history"; days are UTC days, today the clock's. Returns the exit
// status: 0 done, 1 the history cannot be read, 2 bad options (the reason goes to err).
int runHistoryCommand(const QStringList& args, QIODevice& out, QTextStream& err, const Clock& clock);

} // namespace tonalyst
