#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tonalyst {

// What the desktop program was asked to do on its command line.
struct DesktopOptions {
    QString dataDir; // empty: the per-user data folder
};

enum class CommandLineAction { Run, PrintedAndExit, Refused };

struct CommandLineResult {
    CommandLineAction action = CommandLineAction::Run;
    DesktopOptions options;
    QString output; // help or version text, or the reason for a refusal
};

// Reads the arguments after the program name.
CommandLineResult parseDesktopArguments(const QStringList& arguments);

} // namespace tonalyst
