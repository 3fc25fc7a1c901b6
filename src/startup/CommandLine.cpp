#include "startup/CommandLine.h"

namespace tonalyst {

namespace {

const QString kUsage = QStringLiteral(
    "Usage: tonalyst [--data-dir DIR]\n"
    "       tonalyst worksheet [options]   (see tonalyst worksheet --help)\n"
    "       tonalyst report [options]      (see tonalyst report --help)\n"
    "       tonalyst history [options]     (see tonalyst history --help)\n"
    "       tonalyst class COMMAND [options] (see tonalyst class --help)\n"
    "\n"
    "Tonalyst, your complete music theory fitness program.\n"
    "\n"
    "Options:\n"
    "  --data-dir DIR  keep the performance data file varen.dat in DIR\n"
    "                  (default: the per-user data folder, ~/.local/share/tonalyst)\n"
    "  --help          show this text\n"
    "  --version       show the version\n");

} // namespace

CommandLineResult parseDesktopArguments(const QStringList& arguments) {
    CommandLineResult result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            return {CommandLineAction::PrintedAndExit, {}, kUsage};
        } else if (argument == QStringLiteral("--version")) {
            return {CommandLineAction::PrintedAndExit, {}, QStringLiteral("Tonalyst %1\n").arg(TONALYST_VERSION)};
        } else if (argument == QStringLiteral("--data-dir")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return {CommandLineAction::Refused, {}, QStringLiteral("--data-dir needs a folder.\n")};
            result.options.dataDir = arguments[++i];
        } else if (argument.startsWith(QStringLiteral("--data-dir="))) {
            result.options.dataDir = argument.mid(QStringLiteral("--data-dir=").size());
            if (result.options.dataDir.isEmpty())
                return {CommandLineAction::Refused, {}, QStringLiteral("--data-dir needs a folder.\n")};
        } else {
            return {CommandLineAction::Refused, {},
                    QStringLiteral("Unknown option: %1\n\n").arg(argument) + kUsage};
        }
    }
    return result;
}

} // namespace tonalyst
