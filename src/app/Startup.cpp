#include "app/Startup.h"

#include "app/AccessibilityAids.h"
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
#include <QEvent>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

namespace tonalyst {

namespace {

// Runs an action once the watched window has been painted for the first time: work that
// needs a core for a while waits until the window is on the screen.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> action) : QObject(window), m_action(std::move(action)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_action) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(m_action, nullptr));
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

int runDesktop(const DesktopOptions& options) {
    AccessibilityAids::install(*qApp);
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
    std::unique_ptr<MainWindow> window;
    const auto makeWindow = [&] {
        if (window)
            return;
        window = std::make_unique<MainWindow>(platform);
        QObject::connect(window.get(), &MainWindow::terminated, qApp, &QApplication::quit, Qt::QueuedConnection);
        splash.clearWarmingUp();
    };

    UserIdDialog userId(prompter);
    // The prompt is the first thing the student waits for: the main window and the
    // soundfont are made while it is on the screen, not before.
    new AfterFirstPaint(&userId, [&] {
        makeWindow();
        tones.start();
    });
    if (userId.exec() != QDialog::Accepted)
        return 0;
    makeWindow();
    window->setUserId(userId.userId());

    placeOnScreen(window.get());
    window->show();
    // The keys go to the main window straight away, with or without a window manager.
    window->activateWindow();
    splash.hide();
    return QApplication::exec();
}

} // namespace tonalyst
