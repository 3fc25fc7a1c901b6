#pragma once

#include "startup/CommandLine.h"

namespace tonalyst {

// Runs the desktop program: prepares the data folder, shows the splash window while the
// main window loads, asks for the user ID and hands over to the event loop. Returns the
// program's exit status.
int runDesktop(const DesktopOptions& options);

} // namespace tonalyst
