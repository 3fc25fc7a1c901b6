#include "app/Startup.h"

#include "app/AppIcon.h"
#include "app/DesktopPrompter.h"
#include "app/MainWindow.h"
#include "app/ScreenFit.h"
#include "app/SplashWindow.h"
#include "app/SystemBeeper.h"
#include "app/UserIdDialog.h"
#include "intervals/FluidSynthTonePlayer.h"
#include "platform/FileLocations.h"

#include <QApplication>
#include <QDir>

namespace tonalyst {

int runDesktop(const DesktopOptions& options) {
    SystemClock clock;
    SeededRandomSource random;
    DesktopPrompter prompter;
    SystemBeeper beeper;
    const UserFileLocations files(options.dataDir);
    FluidSynthTonePlayer tones(files.toneDir());

    // The data file is opened by bare name, so its folder must exist, be writable and be
    // the current folder before anything else happens.
    for (const QString& dir : {files.dataDir(), files.stateDir()}) {
        const QString problem = prepareWritableDir(dir);
        if (!problem.isEmpty()) {
            prompter.message(problem + QStringLiteral("\r\nTonalyst cannot keep your performance records there "
                                                      "and will close. Choose another folder with --data-dir."),
                             Prompter::Icon::Exclamation);
            return 1;
        }
    }
    QDir::setCurrent(files.dataDir());

    SplashWindow splash;
    splash.showNow();

    Platform platform{clock, random, prompter, beeper, tones, files};
    MainWindow window(platform);
    QObject::connect(&window, &MainWindow::terminated, qApp, &QApplication::quit, Qt::QueuedConnection);
    splash.clearWarmingUp();

    UserIdDialog userId(prompter);
    if (userId.exec() != QDialog::Accepted)
        return 0;
    window.setUserId(userId.userId());

    placeOnScreen(&window);
    window.show();
    splash.hide();
    return QApplication::exec();
}

} // namespace tonalyst
