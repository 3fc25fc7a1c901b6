#include "MainWindowFixture.h"

#include "app/ClassServerLink.h"
#include "classserver/AnswerOutbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace tonalyst::test {
namespace {

// Nothing listens on port 1 of the loopback address.
const QString kServerDown = QStringLiteral("host=127.0.0.1 port=1 dbname=class user=ab connect_timeout=2");

class WaitingAnswers final : public AnswerOutbox {
public:
    QVector<AnswerRecord> unsent(int limit) override { return QVector<AnswerRecord>(qMin(limit, 3)); }
    bool markSent(const QStringList&) override { return false; }
    qint64 unsentCount() override { return 3; }
};

bool statusBarShown(const MainWindow& window) {
    const auto* bar = window.findChild<QStatusBar*>();
    return bar && !bar->isHidden();
}

TEST_F(MainWindowTest, TheClassServerIsOffUntilAUserTurnsItOnAndEachUserKeepsTheirOwnChoice) {
    window->setUserId(QStringLiteral("AB"));
    EXPECT_FALSE(statusBarShown(*window));
    EXPECT_EQ(action("mnuclassserver")->text(), QStringLiteral("&Class Server ..."));

    QString testResult;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("frmClassServer"));
        dialog->findChild<QLineEdit*>(QStringLiteral("txtClassServer"))->setText(kServerDown);
        dialog->findChild<QCheckBox*>(QStringLiteral("chkClassServer"))->setChecked(true);
        auto* result = dialog->findChild<QLabel*>(QStringLiteral("lblTestResult"));
        auto* test = dialog->findChild<QPushButton*>(QStringLiteral("cmdTestConnection"));
        QTest::mouseClick(test, Qt::LeftButton);
        // The dialog answers at once and stays responsive while the test runs.
        EXPECT_EQ(result->text(), QStringLiteral("Testing the connection ..."));
        EXPECT_TRUE(QTest::qWaitFor([&] { return test->isEnabled(); }, 15000));
        testResult = result->text();
        // However long the message, the dialog shows all of it and of its help text.
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (!label->wordWrap())
                continue;
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
            EXPECT_TRUE(dialog->rect().contains(QRect(label->mapTo(dialog, QPoint(0, 0)), label->size())));
        }
        dialog->accept();
    });
    action("mnuclassserver")->trigger();
    EXPECT_TRUE(testResult.startsWith(QStringLiteral("Could not connect: the class server cannot be reached")))
        << testResult.toStdString();

    ClassServerLink& link = *window->classServer();
    EXPECT_TRUE(link.settings().enabled);
    EXPECT_TRUE(statusBarShown(*window));
    link.setOutbox([](const QString&) { return std::make_unique<WaitingAnswers>(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return link.statusText().contains(QStringLiteral("3 answers")); }, 15000));
    EXPECT_EQ(link.statusText().toStdString(),
              "Class server: 3 answers are waiting on this computer, because the class server cannot be reached (it "
              "may be switched off, or the network is down). They are kept and sent later.");

    // Another user of the computer has not turned it on.
    window->setUserId(QStringLiteral("CD \"x\""));
    EXPECT_FALSE(link.settings().enabled);
    EXPECT_FALSE(statusBarShown(*window));
    window->setUserId(QStringLiteral("AB"));
    EXPECT_EQ(link.settings().server, kServerDown);
    EXPECT_TRUE(statusBarShown(*window));
}

} // namespace
} // namespace tonalyst::test
