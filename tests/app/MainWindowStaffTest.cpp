#include "MainWindowFixture.h"

#include "staff/StaffPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace tonalyst::test {
namespace {

class MainWindowStaffTest : public MainWindowTest {
protected:
    void start() { control<QPushButton>("cmdStart")->click(); }
    // Options > Clef Selection, answered in its modal dialog.
    void chooseClef(int option) {
        QTimer::singleShot(0, [option] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), QStringLiteral("frmclefselect"));
            findControl<QRadioButton>(dialog, "Option1", option)->setChecked(true);
            findControl<QPushButton>(dialog, "command1")->click();
        });
        action("mnuclef")->trigger();
    }
    QAbstractButton* key(const char* name, int index) { return control<QAbstractButton>(name, index); }
};

TEST_F(MainWindowStaffTest, AKeyboardClickEntersTheNoteAndSoundsIt) {
    chooseClef(0);
    start();
    key("note", 1)->click();
    ASSERT_EQ(window->staffPanel()->noteCount(), 1);
    EXPECT_EQ(window->staffPanel()->enteredNotes()[0].position, 1);
    EXPECT_EQ(tones.played(), QStringList{QStringLiteral("C3.MID")});

    key("Flat", 2)->click(); // D-flat sounds from the C-sharp file
    EXPECT_EQ(tones.played().last(), QStringLiteral("C3#.MID"));
}

TEST_F(MainWindowStaffTest, WithTonesOffNotesAreEnteredInSilence) {
    action("mnutones")->trigger();
    start();
    key("note", 3)->click();
    EXPECT_EQ(window->staffPanel()->noteCount(), 1);
    EXPECT_TRUE(tones.played().isEmpty());
}

TEST_F(MainWindowStaffTest, TheKeyboardTakesNoInputWhileIdle) {
    EXPECT_FALSE(key("note", 1)->isEnabled());
    start();
    EXPECT_TRUE(key("note", 1)->isEnabled());
    // The two keys outside the staff's range never take a click.
    EXPECT_FALSE(key("Sharp", 0)->isEnabled());
    EXPECT_FALSE(key("Flat", 15)->isEnabled());
}

TEST_F(MainWindowStaffTest, ClearAndTheEndOfARunEmptyTheStaff) {
    start();
    key("note", 1)->click();
    key("note", 3)->click();
    control<QPushButton>("cmdClear")->click();
    EXPECT_EQ(window->staffPanel()->noteCount(), 0);
    EXPECT_FALSE(window->staffPanel()->keyboardMarks().isMarked(Marker::NoteKey, 1));

    key("note", 5)->click();
    prompter.answerYes();
    action("mnuquittest")->trigger();
    EXPECT_EQ(window->staffPanel()->noteCount(), 0);
}

TEST_F(MainWindowStaffTest, EscEmptiesTheNotesFieldOfRefusedNamesAlongWithTheStaff) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    start();
    auto* notes = control<QLineEdit>("txtNotes");
    notes->setFocus();
    QTest::keyClicks(notes, QStringLiteral("E H"));
    QTest::keyClick(notes, Qt::Key_Return);
    ASSERT_EQ(window->staffPanel()->noteCount(), 1);
    ASSERT_EQ(notes->text(), QStringLiteral("H"));
    ASSERT_FALSE(control<QLabel>("lblNotesMessage")->text().isEmpty());

    QTest::keyClick(notes, Qt::Key_Escape);
    EXPECT_EQ(notes->text(), QString());
    EXPECT_EQ(control<QLabel>("lblNotesMessage")->text(), QString());
    // Clear is pressed as a click is shown, a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->staffPanel()->noteCount() == 0; }, 5000));
}

TEST_F(MainWindowStaffTest, IdentificationKeepsTheKeyboardSilentButForABeep) {
    action("mnuIdentify")->trigger();
    start();
    const int questionNotes = window->staffPanel()->noteCount();
    EXPECT_GE(questionNotes, 3);
    key("note", 1)->click();
    EXPECT_EQ(window->staffPanel()->noteCount(), questionNotes);
    EXPECT_EQ(beeper.count(), 1);
    EXPECT_TRUE(control<QWidget>("palette")->isHidden());
}

TEST_F(MainWindowStaffTest, AChosenClefShowsAtOnceOnlyWhileNoRunIsUnderWay) {
    chooseClef(1);
    EXPECT_EQ(window->staffPanel()->clef(), Clef::Bass);

    start();
    chooseClef(0);
    EXPECT_EQ(window->staffPanel()->clef(), Clef::Bass);
    EXPECT_EQ(window->settings().clef, ClefChoice::Treble);
}

} // namespace
} // namespace tonalyst::test
