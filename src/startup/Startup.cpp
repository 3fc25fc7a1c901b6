#include "startup/Startup.h"

#include "platform/FileLocations.h"
#include "startup/AccessibilityAids.h"
#include "startup/DesktopLibrary.h"
#include "startup/DesktopPrompter.h"
#include "startup/SplashWindow.h"
#include "startup/UserIdDialog.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
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
    DesktopPrompter prompter;
    const UserFileLocations files(options.dataDir);

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

    std::unique_ptr<DesktopSession> desktop;
    std::string problem;
    const auto openDesktop = [&] {
        if (desktop || !problem.empty())
            return;
        const DesktopLibrary library = loadProgramsDesktopLibrary();
        problem = library.problem;
        if (!problem.empty())
            return;
        desktop.reset(library.openDesktop(options));
        splash.clearWarmingUp();
    };

    UserIdDialog userId(prompter);
    // The prompt is the first thing the student waits for: the main window and the
    // soundfont are made while it is on the screen, not before.
    new AfterFirstPaint(&userId, [&] {
        openDesktop();
        if (!problem.empty())
            userId.reject();
    });
    const bool accepted = userId.exec() == QDialog::Accepted;
    if (accepted)
        openDesktop();
    if (!problem.empty()) {
        prompter.message(QString::fromStdString(problem), Prompter::Icon::Exclamation);
        return 1;
    }
    if (!accepted)
        return 0;
    desktop->start(userId.userId());
    splash.hide();
    return QApplication::exec();
}

} // namespace tonalyst
