#pragma once

#include "startup/CommandLine.h"

#include <QString>

#include <array>
#include <string_view>
#include <string>

namespace tonalyst {

// The desktop program past its User ID prompt: the main window and all it drives.
class DesktopSession {
public:
    virtual ~DesktopSession() = default;
    // Shows the main window to this user; the event loop takes over from there.
    virtual void start(const QString& userId) = 0;
};

// Everything but the splash window and the User ID prompt lives in a library of its
// own, loaded while the prompt is on the screen: the charts, printing and database
// libraries the main window links take longer to load than the prompt takes to show.
// The commands that print without a window live there too.
struct DesktopLibrary {
    // Makes the session and starts loading the soundfont; the application quits when
    // the student does. The caller owns the session.
    DesktopSession* (*openDesktop)(const DesktopOptions& options) = nullptr;
    // Runs the command named by argv[1], one of kDesktopCommands; returns the exit
    // status, 2 for a name that is not one of them.
    int (*runCommand)(int argc, char** argv) = nullptr;
    // Why the library could not be loaded; empty when the entry points are set.
    std::string problem;
};

// The commands that print without a window: the program hands them to the library
// without starting anything of its own.
inline constexpr std::array<std::string_view, 5> kDesktopCommands = {"worksheet", "report", "history",
                                                                     "progress", "class"};

inline constexpr const char* kDesktopLibraryFile = "libtonalyst-desktop.so";

// Loads a desktop library. The library stays loaded for the rest of the run.
DesktopLibrary loadDesktopLibrary(const char* fileName);

// Loads the library the program came with: beside the program in the build, in the
// installed library folder otherwise.
DesktopLibrary loadProgramsDesktopLibrary();

} // namespace tonalyst
