#include "startup/Startup.h"

#include "platform/FileLocations.h"
#include "startup/AccessibilityAids.h"
#include "startup/DesktopPrompter.h"
#include "startup/LanguageChoice.h"
#include "startup/SplashWindow.h"
#include "startup/UserIdDialog.h"

#include <QApplication>
#include <QDir>

namespace tonalyst {

int runDesktop(const DesktopOptions& options, const DesktopOpener& openDesktop) {
    AccessibilityAids::install(*qApp);
    DesktopPrompter prompter;
    const UserFileLocations files(options.dataDir);

    // The data file is opened by bare name, so its folder must exist, be writable and be
    // the current folder before anything else happens.
    for (const QString& dir : {files.dataDir(), files.stateDir()}) {
        const QString problem = prepareWritableDir(dir);
        if (!problem.isEmpty()) {
            prompter.message(QCoreApplication::translate("Startup",
                                                         "%1\r\nTonalyst cannot keep your performance "
                                                         "records there and will close. Choose "
                                                         "another folder with --data-dir.")
                                 .arg(problem),
                             Prompter::Icon::Exclamation);
            return 1;
        }
    }
    QDir::setCurrent(files.dataDir());

    SplashWindow splash;
    splash.showNow();

    UserIdDialog userId(prompter);
    if (userId.exec() != QDialog::Accepted)
        return 0;
    installLanguageOf(languageSettingsFile(files.stateDir()), userId.userId(), QLocale::system());
    // Made only now, so that nothing the main window says on opening (a broken seal, a
    // history that cannot be read) comes up over the prompt.
    const std::unique_ptr<DesktopSession> desktop = openDesktop(options);
    splash.clearWarmingUp();
    desktop->start(userId.userId());
    splash.hide();
    return QApplication::exec();
}

} // namespace tonalyst
