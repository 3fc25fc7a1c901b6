#include "MainWindowFixture.h"

#include "app/EarTrainingWindow.h"
#include "app/HelpWindow.h"
#include "app/ReportDesktop.h"
#include "app/ReportDialog.h"
#include "app/ReportDisplayWindow.h"
#include "staff/StaffPanel.h"
#include "startup/AccessibilityAids.h"
#include "startup/UserIdDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tonalyst::test {
namespace {

// What assistive technology meets in a window: every control it can move the focus to
// must say what it is, and no label may hide its own text behind a fixed name.
QStringList accessibilityFaults(QWidget* window) {
    QStringList faults;
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* node, int depth) {
        if (!node || depth > 30)
            return;
        const QAccessible::State state = node->state();
        if (state.focusable && !state.invisible && node->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* object = node->object();
            faults << QStringLiteral("unnamed %1 (role %2)")
                          .arg(object ? object->objectName() + QLatin1Char(' ') + object->metaObject()->className()
                                      : QStringLiteral("?"))
                          .arg(node->role());
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(window), 0);
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (!label->accessibleName().isEmpty())
            faults << QStringLiteral("label %1 has the fixed name %2").arg(label->objectName(), label->accessibleName());
    return faults;
}

class AccessibilityWalk : public MainWindowTest {
protected:
    void SetUp() override { window->show(); }
    void expectAllNamed(QWidget* shown) {
        shown->show();
        EXPECT_EQ(accessibilityFaults(shown).join(QLatin1Char('\n')).toStdString(), "") << shown->objectName().toStdString();
        shown->hide();
    }
};

TEST_F(AccessibilityWalk, EveryWindowNamesEveryControlTheFocusCanReach) {
    EXPECT_EQ(accessibilityFaults(window.get()).join(QLatin1Char('\n')).toStdString(), "") << "idle";
    control<QPushButton>("cmdStart")->click();
    EXPECT_EQ(accessibilityFaults(window.get()).join(QLatin1Char('\n')).toStdString(), "") << "running";

    // Each dialog the menus open, looked at while it is up.
    for (const char* item : {"mnukeyset", "mnuChordset", "mnuinversion", "mnuintervaloption", "mnuetchordselect",
                             "mnuclef", "mnuViewKeysig", "mnutestlong", "mnuidle", "mnuabout"}) {
        QString faults = QStringLiteral("no dialog");
        QTimer::singleShot(0, [&faults] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            faults = accessibilityFaults(dialog).join(QLatin1Char('\n'));
            dialog->close();
        });
        action(item)->setEnabled(true);
        action(item)->trigger();
        EXPECT_EQ(faults.toStdString(), "") << item;
    }
    expectAllNamed(window->earTrainingWindow());

    UserIdDialog userId(prompter);
    expectAllNamed(&userId);
    HelpWindow help;
    expectAllNamed(&help);
    ReportDialog report(platform, QStringLiteral("AB"), nullptr, ReportDesktop{});
    expectAllNamed(&report);
    for (QDialog* reportWindow : report.findChildren<QDialog*>())
        expectAllNamed(reportWindow);
}

TEST_F(AccessibilityWalk, TheKeyboardKeysAreButtonsNamedBySpelling) {
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(control("Sharp", 1));
    EXPECT_EQ(key->role(), QAccessible::Button);
    EXPECT_EQ(key->text(QAccessible::Name), QStringLiteral("C sharp 4"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control("dblFlat", 2))->text(QAccessible::Name),
              QStringLiteral("D double flat 4"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control<QLineEdit>("txtNotes"))->text(QAccessible::Name),
              QStringLiteral("Notes"));
}

TEST_F(AccessibilityWalk, LabelsAreReadByTheirTextAndDescribedByWhatTheyAre) {
    control<QPushButton>("cmdStart")->click();
    QAccessibleInterface* question = QAccessible::queryAccessibleInterface(control("lblQues1"));
    EXPECT_FALSE(control<QLabel>("lblQues1")->text().isEmpty());
    EXPECT_EQ(question->text(QAccessible::Name), control<QLabel>("lblQues1")->text());
    EXPECT_EQ(question->text(QAccessible::Description), QStringLiteral("Question"));
    QAccessibleInterface* successes = QAccessible::queryAccessibleInterface(control("lblstatmsg", 5));
    EXPECT_EQ(successes->text(QAccessible::Description), QStringLiteral("Successes"));
}

TEST_F(AccessibilityWalk, OptionButtonsStayTabStopsAndIdsAreOfferedWhenAsked) {
    QWidget frame;
    AccessibilityAids aids(true, nullptr);
    qApp->installEventFilter(&aids);
    auto* first = new QRadioButton(QStringLiteral("Treble Clef"), &frame);
    auto* second = new QRadioButton(QStringLiteral("Bass Clef"), &frame);
    nameControl(first, "Option1", 0);
    nameControl(second, "Option1", 1);
    second->setToolTip(QStringLiteral("Every question in the bass clef"));
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    first->setFocus();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(second->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(first->accessibleDescription(), QStringLiteral("[id=Option1(0)]"));
    EXPECT_EQ(second->accessibleDescription(), QStringLiteral("Every question in the bass clef [id=Option1(1)]"));
    qApp->removeEventFilter(&aids);
}

} // namespace
} // namespace tonalyst::test
