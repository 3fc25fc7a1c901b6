#pragma once

#include "startup/Startup.h"

#include <array>
#include <memory>
#include <string_view>

namespace tonalyst {

// The commands that print without a window: the program runs them without starting
// anything of its own.
inline constexpr std::array<std::string_view, 5> kDesktopCommands = {"worksheet", "report", "history",
                                                                     "progress", "class"};

// Makes the main window and all it drives, and starts loading the soundfont.
std::unique_ptr<DesktopSession> openDesktop(const DesktopOptions& options);

// Runs the command named by argv[1], one of kDesktopCommands; returns the exit status,
// 2 for a name that is not one of them.
int runDesktopCommand(int argc, char** argv);

} // namespace tonalyst
