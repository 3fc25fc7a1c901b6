#pragma once

#include "startup/CommandLine.h"

#include <QString>

#include <functional>
#include <memory>

namespace tonalyst {

// The desktop program past its User ID prompt: the main window and all it drives.
class DesktopSession {
public:
    virtual ~DesktopSession() = default;
    // Shows the main window to this user; the event loop takes over from there.
    virtual void start(const QString& userId) = 0;
};

// Makes the session of a run; the application quits when the student does.
using DesktopOpener = std::function<std::unique_ptr<DesktopSession>(const DesktopOptions&)>;

// Runs the desktop program: prepares the data folder, shows the splash window, asks for
// the user ID and only then opens the desktop and hands over to the event loop. Returns
// the program's exit status.
int runDesktop(const DesktopOptions& options, const DesktopOpener& openDesktop);

} // namespace tonalyst
