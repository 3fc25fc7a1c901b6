#include "Controls.h"
#include "options/ClefDialog.h"
#include "options/EarTrainingChordDialog.h"
#include "options/InversionDialog.h"
#include "options/KeySigDisplayDialog.h"
#include "options/TestLengthDialog.h"

#include <QApplication>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::click;
using test::isOn;

TEST(TestLengthDialog, CancelKeepsTheStoredLengthAndShowsItNextTime) {
    QuestionSettings settings;
    TestLengthDialog dialog(settings);
    dialog.show();
    click(dialog, "optquesnum", 3);
    click(dialog, "Command1", 0);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.testLength, 10);
    dialog.show();
    EXPECT_TRUE(isOn(dialog, "optquesnum", 1));
    EXPECT_FALSE(isOn(dialog, "optquesnum", 3));
}

TEST(TestLengthDialog, OkStoresTheChosenLength) {
    QuestionSettings settings;
    TestLengthDialog dialog(settings);
    dialog.show();
    click(dialog, "optquesnum", 0);
    click(dialog, "Command1", 1);
    EXPECT_EQ(settings.testLength, 5);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(TestLengthDialog, DoubleClickingALengthStoresItAndCloses) {
    QuestionSettings settings;
    TestLengthDialog dialog(settings);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QWidget& fifteen = test::control(dialog, "optquesnum", 2);
    QTest::mouseDClick(&fifteen, Qt::LeftButton, {}, QPoint(6, fifteen.height() / 2));

    EXPECT_EQ(settings.testLength, 15);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(TestLengthDialog, OkTakesTheFocusOnActivationAndAfterAChoice) {
    QuestionSettings settings;
    TestLengthDialog dialog(settings);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget& ok = test::control(dialog, "Command1", 1);
    EXPECT_EQ(QApplication::focusWidget(), &ok);

    // On the indicator: a radio button answers only clicks on its indicator or caption.
    QWidget& five = test::control(dialog, "optquesnum", 0);
    QTest::mouseClick(&five, Qt::LeftButton, {}, QPoint(6, five.height() / 2));
    EXPECT_TRUE(isOn(dialog, "optquesnum", 0));
    EXPECT_EQ(QApplication::focusWidget(), &ok);
}

TEST(KeySigDisplayDialog, SelectingInCodeStoresNothingUntilOk) {
    QuestionSettings settings;
    KeySigDisplayDialog dialog(settings);
    dialog.selectOption(1);
    EXPECT_EQ(settings.keySigDisplay, (KeySigDisplay{true, false, false}));

    dialog.pressOk();
    EXPECT_EQ(settings.keySigDisplay, (KeySigDisplay{false, true, false}));
}

TEST(KeySigDisplayDialog, CancelShowsTheStoredDisplayAgain) {
    QuestionSettings settings;
    KeySigDisplayDialog dialog(settings);
    dialog.show();
    click(dialog, "optkeysig", 2);
    click(dialog, "Command1", 0);

    EXPECT_EQ(settings.keySigDisplay, (KeySigDisplay{true, false, false}));
    EXPECT_TRUE(isOn(dialog, "optkeysig", 0));
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ClefDialog, OkStoresAndAnnouncesTheClef) {
    QuestionSettings settings;
    ClefDialog dialog(settings);
    QSignalSpy chosen(&dialog, &ClefDialog::clefChosen);
    dialog.show();
    click(dialog, "Option1", 1);
    click(dialog, "command1");

    EXPECT_EQ(settings.clef, ClefChoice::Bass);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.front().front().value<ClefChoice>(), ClefChoice::Bass);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ClefDialog, ClosingWithEscapeKeepsTheChoiceShown) {
    QuestionSettings settings;
    ClefDialog dialog(settings);
    dialog.show();
    click(dialog, "Option1", 0);
    QTest::keyClick(&dialog, Qt::Key_Escape);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.clef, ClefChoice::Treble);
}

TEST(InversionDialog, OkTellsWhetherInversionsAreOn) {
    QuestionSettings settings;
    InversionDialog dialog(settings);
    QSignalSpy chosen(&dialog, &InversionDialog::inversionsChosen);
    click(dialog, "optinversion", 2);
    click(dialog, "Command1");
    EXPECT_EQ(settings.inversions, InversionOption::FiguredBass);
    click(dialog, "optinversion", 0);
    click(dialog, "Command1");
    EXPECT_EQ(settings.inversions, InversionOption::Off);

    ASSERT_EQ(chosen.size(), 2);
    EXPECT_TRUE(chosen.at(0).at(0).toBool());
    EXPECT_FALSE(chosen.at(1).at(0).toBool());
}

TEST(EarTrainingChordDialog, OkStoresTheChords) {
    QuestionSettings settings;
    EarTrainingChordDialog dialog(settings);
    EXPECT_TRUE(isOn(dialog, "Optchordet", 0));
    click(dialog, "Optchordet", 2);
    click(dialog, "cmdok");
    EXPECT_EQ(settings.earTrainingChords, EarTrainingChords::Both);
}

} // namespace
} // namespace tonalyst
