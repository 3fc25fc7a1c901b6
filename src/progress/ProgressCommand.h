#pragma once

#include "platform/Clock.h"

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace tonalyst {

// `tonalyst progress --user ID [--data-dir DIR] [--from DATE --to DATE | --last N] --json`:
// the figures the Progress window shows for the period, as one JSON object, to `out`. args
// are the arguments after "progress"; days are the local days of the system's zone, today
// the clock's. Returns the exit status: 0 done, 1 the history is missing or cannot be read,
// 2 bad options (the reason goes to err).
int runProgressCommand(const QStringList& args, QIODevice& out, QTextStream& err, const Clock& clock);

} // namespace tonalyst
