#include "startup/CommandLine.h"

#include <QCoreApplication>

namespace tonalyst {

namespace {

QString usage() {
    return QCoreApplication::translate(
        "CommandLine", "Usage: tonalyst [--data-dir DIR]\n"
                       "       tonalyst worksheet [options]   (see tonalyst worksheet --help)\n"
                       "       tonalyst report [options]      (see tonalyst report --help)\n"
                       "       tonalyst history [options]     (see tonalyst history --help)\n"
                       "       tonalyst progress [options]    (see tonalyst progress --help)\n"
                       "       tonalyst class COMMAND [options] (see tonalyst class --help)\n"
                       "\n"
                       "Tonalyst, your complete music theory fitness program.\n"
                       "\n"
                       "Options:\n"
                       "  --data-dir DIR  keep the performance data file varen.dat in DIR\n"
                       "                  (default: the per-user data folder, ~/.local/share/tonalyst)\n"
                       "  --help          show this text\n"
                       "  --version       show the version\n"
                       "\n"
                       "Qt's own options, such as -style NAME, -platform NAME, -display DISPLAY,\n"
                       "-geometry WxH+X+Y and -reverse, are passed on to Qt.\n");
}

// Worded as every command's refusals are (see cli/CommandParser).
CommandLineResult refused(const QString& problem) {
    return {
        CommandLineAction::Refused,
        {},
        QCoreApplication::translate("CommandLine", "tonalyst: %1\nTry 'tonalyst --help'.\n").arg(problem)};
}

// Qt's options, which QApplication takes from the same command line: those that take the
// next argument as their value, and those that stand alone. Qt accepts them with one dash
// or two.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
    QStringLiteral("display"),         QStringLiteral("geometry"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                              QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};
// Options Qt also reads in the form -option=value.
const QStringList kQtJoinedOptions = {QStringLiteral("style"), QStringLiteral("stylesheet"),
                                      QStringLiteral("qmljsdebugger")};

QString qtOptionName(const QString& argument) {
    if (argument.startsWith(QStringLiteral("--")))
        return argument.mid(2);
    if (argument.startsWith(QLatin1Char('-')))
        return argument.mid(1);
    return {};
}

bool isJoinedQtOption(const QString& name) {
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    return equals > 0 && kQtJoinedOptions.contains(name.left(equals));
}

} // namespace

CommandLineResult parseDesktopArguments(const QStringList& arguments) {
    CommandLineResult result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            return {CommandLineAction::PrintedAndExit, {}, usage()};
        } else if (argument == QStringLiteral("--version")) {
            return {
                CommandLineAction::PrintedAndExit, {}, QStringLiteral("Tonalyst %1\n").arg(TONALYST_VERSION)};
        } else if (argument == QStringLiteral("--data-dir")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return refused(QCoreApplication::translate("CommandLine", "--data-dir needs a value"));
            result.options.dataDir = arguments[++i];
        } else if (argument.startsWith(QStringLiteral("--data-dir="))) {
            result.options.dataDir = argument.mid(QStringLiteral("--data-dir=").size());
            if (result.options.dataDir.isEmpty())
                return refused(QCoreApplication::translate("CommandLine", "--data-dir needs a value"));
        } else if (const QString name = qtOptionName(argument); kQtOptionsWithValue.contains(name)) {
            // Left in the arguments for QApplication; only its value is stepped over here.
            if (i + 1 >= arguments.size())
                return refused(QCoreApplication::translate("CommandLine", "%1 needs a value").arg(argument));
            ++i;
        } else if (kQtFlags.contains(name) || isJoinedQtOption(name)) {
            continue;
        } else {
            return refused(QCoreApplication::translate("CommandLine", "unknown option %1").arg(argument));
        }
    }
    return result;
}

} // namespace tonalyst
