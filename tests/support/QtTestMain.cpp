#include <QApplication>
#include <QStandardPaths>
#include <QThreadPool>

#include <gtest/gtest.h>

namespace {

// The offscreen platform reports every window feature it lacks; those notes say nothing
// about Tonalyst and would bury a real warning.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    // Nothing a test does may reach the real user's files.
    QStandardPaths::setTestModeEnabled(true);
    // The offscreen platform, with the options a test gives it (a screen of some size).
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qInstallMessageHandler(quietPlatformNotes);
    QApplication app(argc, argv);
#if defined(__SANITIZE_THREAD__)
    // Qt's global thread pool hands tasks between its own threads under locks built without
    // ThreadSanitizer, which then reports the pool's queue as racing whenever Qt's drawing
    // scales an image on two of them. With one thread there it has nothing to misreport;
    // Tonalyst's workers run on pools and threads of their own, still checked in full.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
