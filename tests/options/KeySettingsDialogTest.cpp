#include "options/KeySettingsDialog.h"
#include "Controls.h"
#include "support/RecordingBeeper.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::click;
using test::isOn;

class KeySettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }

    void clearEveryKey() {
        click(dialog, "cmdClearsharp");
        click(dialog, "cmdClearflat");
    }
    void pressOk() { click(dialog, "cmdOK", 0); }
    void pressCancel() { click(dialog, "cmdOK", 1); }

    QuestionSettings settings;
    test::ScriptedPrompter prompter;
    test::RecordingBeeper beeper;
    KeySettingsDialog dialog{settings, prompter, beeper};
};

TEST_F(KeySettingsDialogTest, OkAtLoadKeepsTheDefaultKeys) {
    KeySettingsDialog hidden(settings, prompter, beeper);
    const KeySettings before = settings.keys;
    EXPECT_TRUE(hidden.pressOk());
    EXPECT_EQ(settings.keys.boxes(), before.boxes());
    EXPECT_EQ(settings.keys.majorKeys().keys.size(), 7u);
    EXPECT_EQ(settings.keys.minorKeys().keys.size(), 7u);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(KeySettingsDialogTest, OnlyCMajorAndAMinorTickedGivesOneKeyOfEachOnTheSharpSide) {
    clearEveryKey();
    click(dialog, "chkShrp", 0);
    pressOk();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.keys.majorKeys().keys, (std::vector<EnabledKey>{{0, 0, 0}}));
    EXPECT_EQ(settings.keys.majorKeys().sharpCount, 1);
    EXPECT_EQ(settings.keys.minorKeys().keys, (std::vector<EnabledKey>{{5, 0, 0}}));
    EXPECT_EQ(settings.keys.minorKeys().sharpCount, 1);
}

TEST_F(KeySettingsDialogTest, KeysAreListedByKeySignatureWhateverOrderTheyWereTicked) {
    clearEveryKey();
    click(dialog, "chkFlat", 2);
    click(dialog, "chkShrp", 5);
    click(dialog, "chkFlat", 0);
    click(dialog, "chkShrp", 1);
    pressOk();

    // G, B, F, E-flat major
    EXPECT_EQ(settings.keys.majorKeys().keys,
              (std::vector<EnabledKey>{{4, 0, 1}, {6, 0, 5}, {3, 0, 1}, {2, -1, 3}}));
    EXPECT_EQ(settings.keys.majorKeys().sharpCount, 2);
}

TEST_F(KeySettingsDialogTest, MinorModeChangesOnlyTheMinorKeys) {
    const auto majorBefore = settings.keys.majorKeys().keys;
    click(dialog, "optMode", 1);
    clearEveryKey();
    click(dialog, "chkFlat", 0);
    pressOk();

    EXPECT_EQ(settings.keys.mode(), KeyMode::Minor);
    EXPECT_EQ(settings.keys.majorKeys().keys, majorBefore);
    EXPECT_EQ(settings.keys.minorKeys().keys, (std::vector<EnabledKey>{{1, 0, 1}}));
}

TEST_F(KeySettingsDialogTest, EmptySelectionIsRefusedAndStoresNothing) {
    const KeyBoxes before = settings.keys.boxes();
    const auto majorBefore = settings.keys.majorKeys().keys;
    clearEveryKey();
    pressOk();

    EXPECT_EQ(beeper.count(), 1);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("You must select at least one key"));
    EXPECT_EQ(prompter.shown().back().icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(settings.keys.boxes(), before);
    EXPECT_EQ(settings.keys.majorKeys().keys, majorBefore);
}

TEST_F(KeySettingsDialogTest, CancelAfterARefusedEmptySelectionBringsBackTheLastAcceptedKeys) {
    clearEveryKey();
    click(dialog, "chkShrp", 6);
    pressOk();
    dialog.show();
    clearEveryKey();
    pressOk();
    pressCancel();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(beeper.count(), 1);
    EXPECT_TRUE(isOn(dialog, "chkShrp", 6));
    EXPECT_FALSE(isOn(dialog, "chkShrp", 0));
    EXPECT_EQ(settings.keys.majorKeys().keys, (std::vector<EnabledKey>{{3, 1, 6}}));

    dialog.show();
    pressOk();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(beeper.count(), 1);
}

TEST_F(KeySettingsDialogTest, CancelRestoresTheBoxesAndModeOfTheLastOk) {
    click(dialog, "cmdallsharp");
    click(dialog, "cmdAllflat");
    click(dialog, "chkShrp", 2);
    click(dialog, "optMode", 0);
    pressCancel();

    EXPECT_EQ(settings.keys.mode(), KeyMode::MajorMinor);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(isOn(dialog, "chkShrp", i), i < 4) << i;
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(isOn(dialog, "chkFlat", i), i < 3) << i;
    EXPECT_TRUE(isOn(dialog, "optMode", 2));
}

TEST_F(KeySettingsDialogTest, EscapeCancels) {
    click(dialog, "cmdClearsharp");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(isOn(dialog, "chkShrp", 0));
}

TEST_F(KeySettingsDialogTest, OkHasTheFocusWhenTheDialogIsActivatedSoEnterConfirms) {
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), &test::control(dialog, "cmdOK", 0));
}

} // namespace
} // namespace tonalyst
