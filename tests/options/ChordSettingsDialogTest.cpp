#include "options/ChordSettingsDialog.h"
#include "Controls.h"
#include "support/RecordingBeeper.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::caption;
using test::click;
using test::isOn;

const QString kMinorOnly =
    QStringLiteral("Can apply to VII only in minor.You must make at least one more selection ");

class ChordSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }

    void selectAll() { click(dialog, "cmdAllChords", 1); }
    void clearAll() { click(dialog, "cmdAllChords", 0); }
    void pressOk() { click(dialog, "cmdOK", 1); }
    void pressCancel() { click(dialog, "cmdOK", 0); }

    QuestionSettings settings;
    test::ScriptedPrompter prompter;
    test::RecordingBeeper beeper;
    ChordSettingsDialog dialog{settings, prompter, beeper};
};

TEST_F(ChordSettingsDialogTest, SelectAllWeighsEachCategoryByItsChords) {
    selectAll();
    pressOk();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.chords.total(), 30);
    const std::array<float, 7> expected{0.0f,          7.0f / 30.0f,  13.0f / 30.0f, 20.0f / 30.0f,
                                        26.0f / 30.0f, 29.0f / 30.0f, 1.0f};
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_FLOAT_EQ(settings.chords.categoryWeight()[k], expected[k]) << k;
}

TEST_F(ChordSettingsDialogTest, NeapolitanAloneMakesEveryQuestionANeapolitan) {
    clearAll();
    click(dialog, "chkflat2");
    pressOk();

    EXPECT_EQ(settings.chords.total(), 1);
    EXPECT_EQ(settings.chords.categoryWeight(), (std::array<float, 7>{0, 0, 0, 0, 0, 0, 1}));
}

TEST_F(ChordSettingsDialogTest, RefusalsComeOneAtATimeInOrderAndKeepTheDialogAndTicks) {
    const ChordBoxes stored = settings.chords.boxes();
    clearAll();
    pressOk();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("You must select at least one chord"));

    click(dialog, "chkapplied5", 6);
    click(dialog, "chkapplied7", 5);
    click(dialog, "chkaug6", 1);
    pressOk();
    EXPECT_EQ(prompter.lastText(), kMinorOnly + QStringLiteral("from the applied dominant list."));

    click(dialog, "chkapplied5", 0);
    pressOk();
    EXPECT_EQ(prompter.lastText(), kMinorOnly + QStringLiteral("from the applied leading tone  list."));

    EXPECT_EQ(beeper.count(), 3);
    ASSERT_EQ(prompter.shown().size(), 3u);
    for (const auto& shown : prompter.shown())
        EXPECT_EQ(shown.icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(isOn(dialog, "chkapplied5", 6));
    EXPECT_TRUE(isOn(dialog, "chkapplied7", 5));
    EXPECT_EQ(settings.chords.boxes(), stored);

    click(dialog, "chkapplied7", 0);
    pressOk();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.chords.enabledVof(), (std::vector<int>{0, 6}));
    EXPECT_EQ(settings.chords.enabledViiof(), (std::vector<int>{0, 5}));
}

TEST_F(ChordSettingsDialogTest, CancelAfterARefusedClearAllBringsBackTheLastAcceptedTicks) {
    click(dialog, "cmdAll7", 1);
    pressOk();
    dialog.show();
    clearAll();
    pressOk();
    pressCancel();

    EXPECT_FALSE(dialog.isVisible());
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(isOn(dialog, "chktriad", i)) << i;
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(isOn(dialog, "chkseven", i)) << i;
    EXPECT_EQ(settings.chords.total(), 13);
}

TEST_F(ChordSettingsDialogTest, GroupButtonsTickAndClearOnlyTheirOwnGroup) {
    click(dialog, "cmdAllapp5", 1);
    click(dialog, "cmdAllTriad", 0);
    pressOk();

    EXPECT_TRUE(settings.chords.enabledTriads().empty());
    EXPECT_EQ(settings.chords.enabledVof().size(), 7u);
    EXPECT_TRUE(settings.chords.enabledViiof().empty());
}

TEST_F(ChordSettingsDialogTest, TriadsShowTheirDesignCaptionsUntilMixtureIsFirstClicked) {
    EXPECT_EQ(caption(dialog, "chktriad", 0), QStringLiteral("I/i "));
    EXPECT_EQ(caption(dialog, "chktriad", 6), QStringLiteral("vii-dim / VII, vii-dim"));

    click(dialog, "chkmix");
    EXPECT_EQ(caption(dialog, "chktriad", 0), QStringLiteral("I/i  (i/I)"));
    EXPECT_EQ(caption(dialog, "chktriad", 4), QStringLiteral("V/v,V (v/ )"));
    EXPECT_EQ(caption(dialog, "chkseven", 0), QStringLiteral("ii7/ii-half-dim7"));

    click(dialog, "chkmix");
    EXPECT_EQ(caption(dialog, "chktriad", 0), QStringLiteral("I/i"));
    EXPECT_EQ(caption(dialog, "chktriad", 6), QStringLiteral("vii-dim/VII,vii-dim"));
}

TEST_F(ChordSettingsDialogTest, SeventhMixtureSwitchesTheSeventhCaptions) {
    click(dialog, "chk7mix");
    EXPECT_EQ(caption(dialog, "chkseven", 5), QStringLiteral("vii-half-dim7/VII7,vii-dim7  (vii-dim7/ )"));
    EXPECT_EQ(caption(dialog, "chktriad", 0), QStringLiteral("I/i "));
    pressOk();
    EXPECT_TRUE(settings.chords.boxes().seventhMixture);
    EXPECT_FALSE(settings.chords.boxes().triadMixture);
}

// Every control's place in the dialog, to see that nothing moves under the pointer.
QList<QRect> controlPlaces(const QDialog& dialog) {
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QList<QRect> places{dialog.rect()};
    for (const QWidget* widget : dialog.findChildren<QWidget*>())
        places << QRect(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
    return places;
}

TEST_F(ChordSettingsDialogTest, TickingMixtureBoxesMovesNothingUnderThePointer) {
    const QList<QRect> before = controlPlaces(dialog);
    click(dialog, "chkmix");
    EXPECT_EQ(controlPlaces(dialog), before);
    click(dialog, "chk7mix");
    EXPECT_EQ(controlPlaces(dialog), before);
    click(dialog, "chkmix");
    click(dialog, "chk7mix");
    EXPECT_EQ(controlPlaces(dialog), before);
}

TEST_F(ChordSettingsDialogTest, CancelUnticksANewMixtureAndItsCaptions) {
    click(dialog, "chkmix");
    pressCancel();

    EXPECT_FALSE(isOn(dialog, "chkmix"));
    EXPECT_EQ(caption(dialog, "chktriad", 0), QStringLiteral("I/i"));
    EXPECT_FALSE(settings.chords.boxes().triadMixture);
}

TEST_F(ChordSettingsDialogTest, SelectAllAndClearAllLeaveMixtureAlone) {
    click(dialog, "chkmix");
    selectAll();
    clearAll();
    EXPECT_TRUE(isOn(dialog, "chkmix"));
    EXPECT_FALSE(isOn(dialog, "chk7mix"));
    EXPECT_FALSE(isOn(dialog, "chkflat2"));
}

TEST_F(ChordSettingsDialogTest, EnterPressesOkWhileOkHasTheFocus) {
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_EQ(QApplication::focusWidget(), &test::control(dialog, "cmdOK", 1));
    click(dialog, "chkflat2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.chords.neapolitanCount(), 1);
}

} // namespace
} // namespace tonalyst
