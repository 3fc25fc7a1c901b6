#include "app/AppIcon.h"
#include "app/CommandLine.h"
#include "app/HelpWindow.h"
#include "app/ReportCommand.h"
#include "app/Startup.h"
#include "classserver/ClassCommand.h"
#include "history/HistoryCommand.h"
#include "history/WeakSpotHistory.h"
#include "platform/FontConfigWarmUp.h"
#include "theory/WorksheetCommand.h"
#include "worksheet/PdfWorksheetPrinter.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // Worksheets are printed, as text or as a PDF, without opening a window.
    if (argc > 1 && std::string(argv[1]) == "worksheet") {
        tonalyst::PdfWorksheetPrinter pdf;
        tonalyst::HistoryWeakSpots weakSpots;
        return tonalyst::runWorksheetCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr,
                                             &pdf, &weakSpots);
    }
    // So are reports, unless they are printed to a PDF file.
    if (argc > 1 && std::string(argv[1]) == "report") {
        QStringList reportArguments;
        for (int i = 2; i < argc; ++i)
            reportArguments << QString::fromLocal8Bit(argv[i]);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return tonalyst::runReportCommand(reportArguments, out, err);
    }

    // And a student's answers from the history.
    if (argc > 1 && std::string(argv[1]) == "history") {
        QStringList historyArguments;
        for (int i = 2; i < argc; ++i)
            historyArguments << QString::fromLocal8Bit(argv[i]);
        QFile out;
        out.open(stdout, QIODevice::WriteOnly);
        QTextStream err(stderr);
        return tonalyst::runHistoryCommand(historyArguments, out, err);
    }

    // And the class server's commands.
    if (argc > 1 && std::string(argv[1]) == "class") {
        QStringList classArguments;
        for (int i = 2; i < argc; ++i)
            classArguments << QString::fromLocal8Bit(argv[i]);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return tonalyst::runClassCommand(classArguments, out, err);
    }

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const tonalyst::CommandLineResult command = tonalyst::parseDesktopArguments(arguments);
    if (command.action != tonalyst::CommandLineAction::Run) {
        const bool refused = command.action == tonalyst::CommandLineAction::Refused;
        std::fputs(command.output.toLocal8Bit().constData(), refused ? stderr : stdout);
        return refused ? 2 : 0;
    }

    tonalyst::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tonalyst"));
    QApplication::setApplicationVersion(QStringLiteral(TONALYST_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tonalyst"));
    initHelpResources();
    initIconResources();
    QApplication::setWindowIcon(tonalyst::appIcon());
    fonts.wait();
    return tonalyst::runDesktop(command.options);
}
