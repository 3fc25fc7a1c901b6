#include "app/DesktopEntry.h"
#include "platform/FontConfigWarmUp.h"
#include "startup/AppIcon.h"
#include "startup/CommandLine.h"
#include "startup/FirstKeyExit.h"
#include "startup/Startup.h"
#include "startup/Translations.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc > 1 &&
        std::ranges::find(tonalyst::kDesktopCommands, argv[1]) != tonalyst::kDesktopCommands.end())
        return tonalyst::runDesktopCommand(argc, argv);

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const tonalyst::CommandLineResult command = tonalyst::parseDesktopArguments(arguments);
    if (command.action != tonalyst::CommandLineAction::Run) {
        // Said in the locale's language, which needs an application object; one that
        // opens no display, so that --help works without one.
        QCoreApplication core(argc, argv);
        tonalyst::installTranslations(QLocale::system());
        const bool refused = command.action == tonalyst::CommandLineAction::Refused;
        const QString output = tonalyst::parseDesktopArguments(arguments).output;
        std::fputs(output.toLocal8Bit().constData(), refused ? stderr : stdout);
        return refused ? 2 : 0;
    }

    tonalyst::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    tonalyst::installTranslations(QLocale::system());
    tonalyst::FirstKeyExit::installIfAsked(app);
    QApplication::setApplicationName(QStringLiteral("tonalyst"));
    QApplication::setApplicationVersion(QStringLiteral(TONALYST_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tonalyst"));
    QApplication::setWindowIcon(tonalyst::appIcon());
    fonts.wait();
    return tonalyst::runDesktop(command.options, tonalyst::openDesktop);
}
