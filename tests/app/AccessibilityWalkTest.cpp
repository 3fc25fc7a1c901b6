#include "MainWindowFixture.h"

#include "app/EarTrainingWindow.h"
#include "app/HelpWindow.h"
#include "report/ReportDesktop.h"
#include "report/ReportDialog.h"
#include "report/ReportDisplayWindow.h"
#include "staff/KeyboardWidget.h"
#include "staff/StaffPanel.h"
#include "startup/AccessibilityAids.h"
#include "startup/UserIdDialog.h"

#include <QAbstractButton>
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
                             "mnuclef", "mnuViewKeysig", "mnutestlong", "mnuidle", "mnuabout", "mnuscaledegreesopt",
                             "mnuchordfunctionsopt", "mnuprogressionsopt", "mnucadencesopt"}) {
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
    // Its name pad, with a button for every name a question heard in a key offers.
    prompter.answerNo(); // the activity changes at once
    action("mnuscaledegrees")->trigger();
    ASSERT_TRUE(window->earTrainingWindow()->isVisible());
    expectAllNamed(window->earTrainingWindow());

    UserIdDialog userId(prompter);
    expectAllNamed(&userId);
    HelpWindow help;
    expectAllNamed(&help);
    ReportDialog report(platform.clock, platform.prompter, platform.files, QStringLiteral("AB"), nullptr,
                        ReportDesktop{});
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

// From the Notes field Tab stops once on the keyboard, at the key last moved to with the
// arrow keys, and goes on to Submit Answer; Space presses the key with the focus.
TEST_F(AccessibilityWalk, TheKeyboardIsOneTabStopWorkedWithTheArrowKeys) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    control<QPushButton>("cmdStart")->click();
    const auto tabFrom = [](QWidget* start, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(start, Qt::Key_Tab, modifiers);
        return QApplication::focusWidget();
    };
    auto* notes = control<QLineEdit>("txtNotes");
    notes->setFocus();
    QWidget* key = tabFrom(notes);
    EXPECT_EQ(key, control("note", 1));

    // Up the keyboard: C, its natural, then C sharp, the spellings in pitch order.
    QTest::keyClick(key, Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    key = QApplication::focusWidget();
    EXPECT_EQ(key, control("Sharp", 1));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(key)->role(), QAccessible::Button);
    QTest::keyClick(key, Qt::Key_Space);
    EXPECT_EQ(window->staffPanel()->noteCount(), 1);

    QWidget* next = tabFrom(key);
    EXPECT_EQ(next->parentWidget(), window->centralWidget()) << next->objectName().toStdString();
    QStringList stops{next->objectName()};
    while (next != control("cmdOK") && stops.size() < 5)
        stops << (next = tabFrom(next))->objectName();
    EXPECT_EQ(next, control("cmdOK")) << stops.join(QLatin1Char(' ')).toStdString();
    // Back into the keyboard, at the key last used.
    QWidget* back = control("cmdOK");
    for (int i = 0; i < stops.size(); ++i)
        back = tabFrom(back, Qt::ShiftModifier);
    EXPECT_EQ(back, key);
}

// Each dialog the menus open has the focus on its chosen option or its default button,
// so that Enter confirms what it shows.
TEST_F(AccessibilityWalk, EveryDialogOpensOnItsChoiceAndEnterConfirmsIt) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const char* item :
         {"mnukeyset", "mnuChordset", "mnuinversion", "mnuintervaloption", "mnuetchordselect", "mnuclef",
          "mnuViewKeysig", "mnutestlong", "mnuidle", "mnuabout"}) {
        QString focus = QStringLiteral("no dialog");
        int result = -1;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !QTest::qWaitFor([dialog] { return dialog->isAncestorOf(QApplication::focusWidget()); }))
                return;
            QWidget* focused = QApplication::focusWidget();
            const auto* option = qobject_cast<QRadioButton*>(focused);
            const auto* button = qobject_cast<QPushButton*>(focused);
            focus = option && option->isChecked()   ? QStringLiteral("choice")
                    : button && button->isDefault() ? QStringLiteral("default")
                    : focused                       ? QStringLiteral("other: ") + focused->objectName()
                                                    : QStringLiteral("none");
            QObject::connect(dialog, &QDialog::finished, [&result](int code) { result = code; });
            QTest::keyClick(focused ? focused : dialog, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->close();
        });
        action(item)->setEnabled(true);
        action(item)->trigger();
        EXPECT_TRUE(focus == QStringLiteral("choice") || focus == QStringLiteral("default"))
            << item << ": " << focus.toStdString();
        EXPECT_EQ(result, QDialog::Accepted) << item;
    }
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
