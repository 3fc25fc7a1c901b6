// What the program does past its command line (see DesktopEntry.h). Built into the
// program only.
#include "app/DesktopEntry.h"

#include "app/MainWindow.h"
#include "app/SystemBeeper.h"
#include "classserver/ClassCommand.h"
#include "history/CommandLineApplication.h"
#include "history/HistoryCommand.h"
#include "history/WeakSpotHistory.h"
#include "intervals/FluidSynthTonePlayer.h"
#include "midi/RtMidiInput.h"
#include "platform/FileLocations.h"
#include "platform/PrintingApplication.h"
#include "progress/ProgressCommand.h"
#include "report/ReportCommand.h"
#include "startup/DesktopPrompter.h"
#include "startup/ScreenFit.h"
#include "startup/Translations.h"
#include "theory/NoteNames.h"
#include "worksheet/PdfWorksheetPrinter.h"
#include "worksheet/WorksheetCommand.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QTranslator>

#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

namespace {

class Desktop final : public DesktopSession {
public:
    explicit Desktop(const DesktopOptions& options)
        : m_files(options.dataDir),
          m_tones(m_files.toneDir()), m_platform{m_clock, m_random, m_prompter, m_beeper, m_tones, m_files},
          m_window(std::make_unique<MainWindow>(m_platform)) {
        m_window->attachMidi(std::make_unique<RtMidiInput>());
        QObject::connect(m_window.get(), &MainWindow::terminated, qApp, &QApplication::quit,
                         Qt::QueuedConnection);
        m_tones.start();
    }

    void start(const QString& userId) override {
        m_window->setUserId(userId);
        placeOnScreen(m_window.get());
        m_window->show();
        // The keys go to the main window straight away, with or without a window manager.
        m_window->activateWindow();
    }

private:
    SystemClock m_clock;
    SeededRandomSource m_random;
    DesktopPrompter m_prompter;
    SystemBeeper m_beeper;
    const UserFileLocations m_files;
    FluidSynthTonePlayer m_tones;
    Platform m_platform;
    // Made last, so that it is gone before the outside world it was handed.
    std::unique_ptr<MainWindow> m_window;
};

QStringList argumentsAfter(int first, int argc, char** argv) {
    QStringList arguments;
    for (int i = first; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool printsPdf(int argc, char** argv) {
    for (int i = 2; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--pdf" || argument.starts_with("--pdf="))
            return true;
    }
    return false;
}

// The language the commands speak: the one of the program's translation installed, which
// LANGUAGE may have picked over LANG; English, which needs none, without one.
QString spokenLanguage() {
    const QList<QTranslator*> translators = QCoreApplication::instance()->findChildren<QTranslator*>();
    for (const QTranslator* translator : translators)
        if (QFileInfo(translator->filePath()).fileName().startsWith(QStringLiteral("tonalyst_")))
            return translator->language();
    return QStringLiteral("en");
}

} // namespace

int runDesktopCommand(int argc, char** argv) {
    // The commands speak the locale's language, which needs an application object from
    // the start. Printing a PDF needs fonts, and fonts a GUI application (one that opens
    // no display); every other command makes do with the plain one, which adds nothing
    // of its own to what the command says.
    const std::unique_ptr<QCoreApplication> app =
        printsPdf(argc, argv) ? std::unique_ptr<QCoreApplication>(guiForPrinting()) : coreApplicationIfNone();
    installTranslations(QLocale::system());
    setNoteNaming(namingForLanguage(spokenLanguage().toStdString()));
    const std::string command = argv[1];
    // Worksheets are printed, as text or as a PDF, without opening a window.
    if (command == "worksheet") {
        PdfWorksheetPrinter pdf;
        HistoryWeakSpots weakSpots;
        return runWorksheetCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr,
                                   &pdf, &weakSpots);
    }
    QTextStream err(stderr);
    // So are reports, unless they are printed to a PDF file.
    if (command == "report") {
        QTextStream out(stdout);
        return runReportCommand(argumentsAfter(2, argc, argv), out, err);
    }
    // And a student's answers from the history.
    if (command == "history") {
        QFile out;
        out.open(stdout, QIODevice::WriteOnly);
        const SystemClock clock;
        return runHistoryCommand(argumentsAfter(2, argc, argv), out, err, clock);
    }
    // And the figures of the Progress window.
    if (command == "progress") {
        QFile out;
        out.open(stdout, QIODevice::WriteOnly);
        const SystemClock clock;
        return runProgressCommand(argumentsAfter(2, argc, argv), out, err, clock);
    }
    // And the class server's commands.
    if (command == "class") {
        QTextStream out(stdout);
        return runClassCommand(argumentsAfter(2, argc, argv), out, err);
    }
    err << "tonalyst: unknown command \"" << QString::fromLocal8Bit(argv[1]) << "\"\n";
    return 2;
}

std::unique_ptr<DesktopSession> openDesktop(const DesktopOptions& options) {
    return std::make_unique<Desktop>(options);
}

} // namespace tonalyst
