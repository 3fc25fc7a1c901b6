#include "options/IntervalOptionsDialog.h"
#include "Controls.h"
#include "support/ScriptedPrompter.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::click;
using test::isOn;

class IntervalOptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }

    QuestionSettings settings;
    test::ScriptedPrompter prompter;
    bool earTraining = false;
    IntervalOptionsDialog dialog{settings, prompter, [this] { return earTraining; }};
};

TEST_F(IntervalOptionsDialogTest, EarTrainingRefusesAdvancedIntervals) {
    earTraining = true;
    click(dialog, "optinterval", 1);

    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Option not allowed for ear training"));
    EXPECT_EQ(prompter.shown().back().icon, Prompter::Icon::None);
    EXPECT_TRUE(isOn(dialog, "optinterval", 0));
    click(dialog, "Command1");
    EXPECT_EQ(settings.intervalType, IntervalType::Common);
}

TEST_F(IntervalOptionsDialogTest, AdvancedIntervalsMoveTheNotesToTheChosenKeys) {
    click(dialog, "optintbase", 1);
    click(dialog, "optinterval", 1);

    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(isOn(dialog, "optintbase", 0));
    click(dialog, "Command1");
    EXPECT_EQ(settings.intervalType, IntervalType::Advanced);
    EXPECT_EQ(settings.intervalNotes, IntervalNotes::ChosenKeys);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(IntervalOptionsDialogTest, AllPossibleNotesMoveTheTypeBackToCommonIntervals) {
    click(dialog, "optinterval", 1);
    click(dialog, "optintbase", 1);

    EXPECT_TRUE(isOn(dialog, "optinterval", 0));
    click(dialog, "Command1");
    EXPECT_EQ(settings.intervalType, IntervalType::Common);
    EXPECT_EQ(settings.intervalNotes, IntervalNotes::AllNotes);
}

TEST_F(IntervalOptionsDialogTest, TakingUpEarTrainingSelectsAndStoresCommonIntervals) {
    click(dialog, "optinterval", 1);
    click(dialog, "Command1");
    dialog.selectCommonIntervals();

    EXPECT_EQ(settings.intervalType, IntervalType::Common);
    EXPECT_TRUE(isOn(dialog, "optinterval", 0));
}

TEST_F(IntervalOptionsDialogTest, HelpAsksForHelpAndLeavesTheDialogOpen) {
    QSignalSpy help(&dialog, &IntervalOptionsDialog::helpRequested);
    click(dialog, "Command2");
    EXPECT_EQ(help.size(), 1);
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace
} // namespace tonalyst
