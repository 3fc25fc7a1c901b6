#include "startup/Startup.h"
#include "platform/ControlNames.h"
#include "startup/UserIdDialog.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace tonalyst {
namespace {

UserIdDialog* promptOnScreen() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* prompt = qobject_cast<UserIdDialog*>(window); prompt && prompt->isVisible())
            return prompt;
    }
    return nullptr;
}

// Waits for the prompt, then types the ID and presses OK, or presses Cancel.
void answerPrompt(const QString& userId, bool accept) {
    UserIdDialog* prompt = promptOnScreen();
    if (!prompt) {
        QTimer::singleShot(10, qApp, [=] { answerPrompt(userId, accept); });
        return;
    }
    findControl<QLineEdit>(prompt, "Text1")->setText(userId);
    findControl<QPushButton>(prompt, accept ? "cmdIDOK" : "cmdbailout")->click();
}

struct DesktopRun {
    int exitStatus = -1;
    int opened = 0;
    bool promptUpWhenOpened = false;
    QString startedFor;
};

DesktopRun runDesktopAnswering(const QString& userId, bool accept) {
    const QTemporaryDir folder;
    const QString previousFolder = QDir::currentPath();
    const QByteArray previousState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", folder.filePath(QStringLiteral("state")).toUtf8());

    class Session final : public DesktopSession {
    public:
        explicit Session(DesktopRun& run) : m_run(run) {}
        void start(const QString& id) override {
            m_run.startedFor = id;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }

    private:
        DesktopRun& m_run;
    };

    DesktopRun run;
    answerPrompt(userId, accept);
    run.exitStatus = runDesktop({folder.filePath(QStringLiteral("data"))}, [&](const DesktopOptions&) {
        ++run.opened;
        run.promptUpWhenOpened = promptOnScreen() != nullptr;
        return std::make_unique<Session>(run);
    });

    QDir::setCurrent(previousFolder);
    qputenv("XDG_STATE_HOME", previousState);
    return run;
}

// Whatever the main window says as it opens (a broken seal, a damaged history) must not
// come up over the prompt, and a student who leaves at the prompt never gets it.
TEST(Startup, TheMainWindowIsMadeOnlyOnceTheUserIdIsAccepted) {
    const DesktopRun accepted = runDesktopAnswering(QStringLiteral(" ab1 "), true);
    EXPECT_EQ(accepted.exitStatus, 0);
    EXPECT_EQ(accepted.opened, 1);
    EXPECT_FALSE(accepted.promptUpWhenOpened);
    EXPECT_EQ(accepted.startedFor, QStringLiteral("AB1"));

    const DesktopRun cancelled = runDesktopAnswering(QStringLiteral("AB1"), false);
    EXPECT_EQ(cancelled.exitStatus, 0);
    EXPECT_EQ(cancelled.opened, 0);
    EXPECT_EQ(cancelled.startedFor, QString());
}

TEST(Startup, TheProgramRunsEveryCommandAndRefusesAMisspeltOne) {
    const struct {
        const char* command;
        int exitStatus;
    } cases[] = {{"worksheet", 0}, {"report", 0}, {"history", 0},
                 {"progress", 0},  {"class", 0},  {"reprot", 2}};
    for (const auto& c : cases) {
        QProcess tonalyst;
        tonalyst.start(QStringLiteral(TONALYST_PROGRAM),
                       {QString::fromLatin1(c.command), QStringLiteral("--help")});
        ASSERT_TRUE(tonalyst.waitForFinished(30000)) << c.command;
        EXPECT_EQ(tonalyst.exitStatus(), QProcess::NormalExit) << c.command;
        EXPECT_EQ(tonalyst.exitCode(), c.exitStatus) << c.command;
        const QByteArray said =
            c.exitStatus == 0 ? tonalyst.readAllStandardOutput() : tonalyst.readAllStandardError();
        EXPECT_TRUE(said.contains(c.command)) << c.command << ": " << said.constData();
    }
}

} // namespace
} // namespace tonalyst
