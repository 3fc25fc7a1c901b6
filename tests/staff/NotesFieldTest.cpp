#include "platform/ControlNames.h"
#include "staff/KeyboardKey.h"
#include "staff/MusicFont.h"
#include "staff/NotesField.h"
#include "staff/StaffPanel.h"
#include "staff/StaffWidget.h"
#include "support/RecordingBeeper.h"

#include <QAccessible>
#include <QApplication>
#include <QAccessibleTextInterface>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

class NotesFieldTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { initStaffResources(); }

    void SetUp() override {
        panel.setEntryEnabled(true);
        panel.show();
        edit()->setFocus();
    }

    QLineEdit* edit() { return findControl<QLineEdit>(&panel, "txtNotes"); }
    QString message() { return findControl<QLabel>(&panel, "lblNotesMessage")->text(); }
    void type(const QString& text) {
        edit()->clear();
        QTest::keyClicks(edit(), text);
        QTest::keyClick(edit(), Qt::Key_Return);
    }
    QString staffText() {
        QAccessibleInterface* staff = QAccessible::queryAccessibleInterface(panel.staff());
        return staff->textInterface()->text(0, staff->textInterface()->characterCount());
    }

    test::RecordingBeeper beeper;
    StaffPanel panel{beeper};
};

TEST_F(NotesFieldTest, TypedNotesAreEnteredAndSoundedAsIfDropped) {
    QSignalSpy sounded(&panel, &StaffPanel::noteSounded);
    type(QStringLiteral("F#4 A#4 C#5"));
    ASSERT_EQ(panel.noteCount(), 3);
    EXPECT_EQ(panel.enteredNotes()[0], (StaffNote{4, Sharp}));
    EXPECT_EQ(panel.enteredNotes()[2], (StaffNote{8, Sharp}));
    EXPECT_EQ(sounded.count(), 3);
    EXPECT_EQ(beeper.count(), 0);
    EXPECT_TRUE(edit()->text().isEmpty());
    EXPECT_TRUE(message().isEmpty());
    EXPECT_TRUE(findControl<KeyboardKey>(&panel, "Sharp", 4)->isMarked());
    EXPECT_EQ(staffText(), QStringLiteral("treble clef, F-sharp 4, A-sharp 4, C-sharp 5"));
}

TEST_F(NotesFieldTest, ARefusedNoteBeepsLeavesTheOthersAndSaysWhichAndWhy) {
    panel.setNoteLimit(3);
    QSignalSpy sounded(&panel, &StaffPanel::noteSounded);
    // D-flat 4 would be a second spelling of the C-sharp 4 key; Q is no note; E-double-sharp
    // has no key; the fourth note is one too many.
    type(QStringLiteral("C#4 Db4 Q E## G4 B4"));
    EXPECT_EQ(panel.noteCount(), 3);
    EXPECT_EQ(sounded.count(), 3);
    EXPECT_EQ(beeper.count(), 3);
    EXPECT_EQ(edit()->text(), QStringLiteral("Db4 Q E##"));
    EXPECT_EQ(message(), QStringLiteral("Not entered: Db4 sounds on a key that another spelling already takes; "
                                        "Q is not a note name; E## has no key of its own on the keyboard."));
    type(QStringLiteral("A4"));
    EXPECT_EQ(message(), QStringLiteral("Not entered: A4 is one more than the 3 notes the question takes."));
    type(QStringLiteral("G4"));
    EXPECT_EQ(message(), QStringLiteral("Not entered: G4 stands where a note is already entered."));
}

TEST_F(NotesFieldTest, EnterOnTheEmptyFieldAsksForTheAnswerToBeSubmitted) {
    QSignalSpy submit(&panel, &StaffPanel::submitRequested);
    type(QStringLiteral("C4"));
    EXPECT_EQ(submit.count(), 0);
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(submit.count(), 1);
    EXPECT_EQ(panel.noteCount(), 1);
}

TEST_F(NotesFieldTest, TheFieldIsClosedWhileTheQuestionAsksForNamesOrNoRunIsUnderWay) {
    EXPECT_TRUE(edit()->isEnabled());
    panel.setEntryRules({.takesNotes = false});
    EXPECT_FALSE(edit()->isEnabled());
    panel.setEntryRules({.keepsNaturalSign = false});
    EXPECT_TRUE(edit()->isEnabled());
    panel.setEntryEnabled(false);
    EXPECT_FALSE(edit()->isEnabled());
}

TEST_F(NotesFieldTest, TheStaffTextFollowsClefSignatureAndNotes) {
    panel.setKeySignature(SignatureKind::Flat, 3);
    panel.showKeySignature(true);
    type(QStringLiteral("Eb4 G Bb"));
    EXPECT_EQ(staffText(), QStringLiteral("treble clef, key signature of 3 flats, E-flat 4, G 4, B-flat 4"));
    panel.setClef(Clef::Bass);
    EXPECT_EQ(staffText(), QStringLiteral("bass clef, key signature of 3 flats, E-flat 2, G 2, B-flat 2"));
    EXPECT_EQ(findControl<KeyboardKey>(&panel, "Flat", 3)->accessibleName(), QStringLiteral("E flat 2"));
    panel.clearStaff();
    EXPECT_EQ(staffText(), QStringLiteral("bass clef, key signature of 3 flats, no notes"));
    panel.showKeySignature(false);
    EXPECT_EQ(staffText(), QStringLiteral("bass clef, no notes"));
}

TEST_F(NotesFieldTest, TabGoesFromTheStaffToTheNotesField) {
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    panel.staff()->setFocus();
    ASSERT_TRUE(panel.staff()->hasFocus());
    QTest::keyClick(panel.staff(), Qt::Key_Tab);
    EXPECT_TRUE(edit()->hasFocus());
    QTest::keyClick(edit(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), findControl<KeyboardKey>(&panel, "note", 1));
}

} // namespace
} // namespace tonalyst
