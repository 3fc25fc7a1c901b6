#pragma once

#include "platform/Prompter.h"

#include <QString>

namespace tonalyst {

// What became of a write to the performance data file, for the main window to pass on.
struct WriteOutcome {
    // Every record handed in is in the data file under a matching seal; at start, both
    // files are ready. False when there was nothing to write.
    bool written = false;
    // A message for the Prompter; empty when there is nothing to tell.
    QString message;
    Prompter::Icon icon = Prompter::Icon::None;
};

} // namespace tonalyst
