#include "MainWindowFixture.h"

#include "app/EarTrainingWindow.h"
#include "cycle/RunModel.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <QTimer>

namespace tonalyst::test {
namespace {

QString statusValue(const MainWindow& window, int index) {
    return findControl<QLabel>(&window, "lblstatmsg", index)->text();
}

TEST_F(MainWindowTest, MenuBarReadsAsItAlwaysHas) {
    QStringList titles;
    for (QAction* item : window->menuBar()->actions())
        if (item->isVisible() && item->menu())
            titles << item->text();
    EXPECT_EQ(titles, (QStringList{"&Utility    ", "&Activity    ", "&Method    ", "&Options    ",
                                   "&Environment   ", "&Help"}));
    for (const char* hidden : {"mnuchord", "mnuinterval", "mnuchordeartrain", "mnukeysig"})
        EXPECT_FALSE(control<QMenu>(hidden)->menuAction()->isVisible()) << hidden;

    // The Activity menu as it has always read: captions in order, separators between the groups.
    QStringList activityItems;
    for (QAction* item : control<QMenu>("mnuact")->actions())
        activityItems << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(activityItems, (QStringList{"&Key Signature Identification", "-", "Interval S&pelling",
                                          "Interval I&dentification", "-", "Chord &Spelling",
                                          "Chord &Identification", "-", "Chor&d Ear Training ...",
                                          "Inter&val Ear Training", "-", "Sc&ale Degrees", "Chord &Functions",
                                          "Pr&ogressions", "&Cadences"}));

    EXPECT_EQ(action("mnuhelpon", 1)->text(), QStringLiteral("Contents                  F1"));
    EXPECT_FALSE(action("mnuhelpon", 0)->isVisible());
    EXPECT_EQ(action("mnuidle")->text(), QStringLiteral("&Auto Shutdown ...."));
    EXPECT_TRUE(action("mnuspell")->isChecked());
    EXPECT_TRUE(action("mnuprac")->isChecked());
    EXPECT_FALSE(action("mnuquittest")->isEnabled());
    EXPECT_FALSE(action("mnuViewKeysig")->isEnabled());
}

// A dark palette whose disabled colours keep a light window background, as desktop
// themes often leave them: the blank spacers and the disabled menus must not show as
// light blocks on the dark bar.
TEST_F(MainWindowTest, TheWholeMenuBarTakesADarkPalettesBackground) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, QColor(0x30, 0x30, 0x30));
        dark.setColor(group, QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
        dark.setColor(group, QPalette::Button, QColor(0x38, 0x38, 0x38));
    }
    QApplication::setPalette(dark);
    window->show();
    QMenuBar* bar = window->menuBar();
    const QImage shot = bar->grab().toImage();
    QApplication::setPalette(light);
    for (const char* blank : {"mnudum0", "mnudum10", "mnudum11"}) {
        const QRect place = bar->actionGeometry(action(blank));
        ASSERT_FALSE(place.isEmpty()) << blank;
        EXPECT_EQ(QColor(shot.pixel(place.center())), QColor(0x30, 0x30, 0x30)) << blank;
    }
}

TEST_F(MainWindowTest, StartsIdleInChordSpellingPractice) {
    EXPECT_EQ(statusValue(*window, 0), QStringLiteral("chord spell"));
    EXPECT_EQ(statusValue(*window, 1), QStringLiteral("practice"));
    EXPECT_TRUE(control<QPushButton>("cmdStart")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("cmdOK")->isEnabled());
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
    EXPECT_TRUE(control<QTimer>("Timer2")->isActive());
    EXPECT_EQ(window->state().questionNumber, 0);
}

TEST_F(MainWindowTest, OptionDefaultsAreConfirmedAtLoad) {
    const QuestionSettings& settings = window->settings();
    EXPECT_EQ(settings.keys.majorKeys().keys.size(), 7u);
    EXPECT_EQ(settings.keys.minorKeys().keys.size(), 7u);
    EXPECT_EQ(settings.chords.total(), 7);
    EXPECT_EQ(settings.testLength, 10);
    EXPECT_EQ(settings.keySigDisplay, (KeySigDisplay{true, false, false}));
}

TEST_F(MainWindowTest, ChoosingAnActivityWhileIdleAppliesItAtOnce) {
    action("mnuIdentify")->trigger();
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(action("mnuIdentify")->isChecked());
    EXPECT_FALSE(action("mnuspell")->isChecked());
    EXPECT_EQ(statusValue(*window, 0), QStringLiteral("chord ID"));
    EXPECT_EQ(window->state().current->names().worksheetName, "chord-id");
    EXPECT_FALSE(control<QPushButton>("Command5")->isHidden());
    // Chord identification alone may choose how the key is shown.
    EXPECT_TRUE(action("mnuViewKeysig")->isEnabled());

    action("mnukeysigid")->trigger();
    EXPECT_EQ(window->state().current->names().worksheetName, "keysig");
    EXPECT_EQ(window->settings().keySigDisplay, (KeySigDisplay{false, true, false}));
    EXPECT_FALSE(action("mnuViewKeysig")->isEnabled());
    EXPECT_EQ(statusValue(*window, 0), QStringLiteral("key signature ID"));

    action("mnuspell")->trigger();
    EXPECT_TRUE(control<QPushButton>("Command5")->isHidden());
    EXPECT_EQ(window->settings().keySigDisplay, (KeySigDisplay{true, false, false}));
}

TEST_F(MainWindowTest, ChoosingTheCheckedActivityAgainChangesNothing) {
    action("mnuspell")->trigger();
    EXPECT_TRUE(action("mnuspell")->isChecked());
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(window->state().selected->names().worksheetName, "chord-spell");
}

TEST_F(MainWindowTest, StartEntersTheRunningStateAndTheClockTicks) {
    control<QPushButton>("cmdStart")->click();
    EXPECT_TRUE(control<QPushButton>("cmdStart")->isHidden());
    EXPECT_TRUE(control<QPushButton>("cmdOK")->isEnabled());
    EXPECT_TRUE(action("mnuquittest")->isEnabled());
    EXPECT_FALSE(action("mnudata")->isEnabled());
    EXPECT_TRUE(control<QTimer>("Timer1")->isActive());
    // Practice leaves the menus open.
    EXPECT_TRUE(action("mnuIdentify")->isEnabled());
    EXPECT_TRUE(control<QMenu>("mnucustom")->menuAction()->isEnabled());

    clock.advanceSeconds(3605);
    window->tickElapsed();
    EXPECT_EQ(statusValue(*window, 3), QStringLiteral(" 1: 0: 5"));
}

TEST_F(MainWindowTest, ATestLocksActivityMethodOptionsAndReports) {
    action("mnutest")->trigger();
    EXPECT_EQ(statusValue(*window, 1), QStringLiteral("test"));
    control<QPushButton>("cmdStart")->click();
    EXPECT_EQ(statusValue(*window, 7), QStringLiteral("0"));
    for (const Activity* activity : allActivities())
        EXPECT_FALSE(action(activity->names().menuName.data())->isEnabled()) << activity->names().menuName;
    EXPECT_FALSE(control<QMenu>("mnumethod")->menuAction()->isEnabled());
    EXPECT_FALSE(control<QMenu>("mnucustom")->menuAction()->isEnabled());
    EXPECT_FALSE(action("mnudata")->isEnabled());
    EXPECT_FALSE(window->earTrainingWindow()->showDisplayButton()->isEnabled());
}

TEST_F(MainWindowTest, ChoosingTestEndsARunningPracticeButPracticeDoesNot) {
    control<QPushButton>("cmdStart")->click();
    action("mnuprac")->trigger();
    EXPECT_TRUE(control<QPushButton>("cmdStart")->isHidden());
    action("mnutest")->trigger();
    EXPECT_FALSE(control<QPushButton>("cmdStart")->isHidden());
    EXPECT_FALSE(action("mnuquittest")->isEnabled());
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
}

TEST_F(MainWindowTest, ResetAnsweredNoKeepsTheRunAndItsClock) {
    control<QPushButton>("cmdStart")->click();
    prompter.answerNo();
    action("mnuquittest")->trigger();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Are you sure you want to reset Tonalyst?"));
    EXPECT_TRUE(control<QTimer>("Timer1")->isActive());
    EXPECT_TRUE(control<QPushButton>("cmdStart")->isHidden());

    clock.advanceSeconds(65);
    window->tickElapsed();
    EXPECT_EQ(statusValue(*window, 3), QStringLiteral(" 0: 1: 5"));
}

TEST_F(MainWindowTest, ResetAnsweredYesEndsTheRunAndStopsTheClock) {
    control<QPushButton>("cmdStart")->click();
    prompter.answerYes();
    action("mnuquittest")->trigger();
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
    EXPECT_FALSE(control<QPushButton>("cmdStart")->isHidden());
    EXPECT_FALSE(action("mnuquittest")->isEnabled());
    EXPECT_EQ(terminated.count(), 0);
}

TEST_F(MainWindowTest, QuitAsksFirstAndEndsTheProgramOnYes) {
    prompter.answerNo();
    action("mnuquit")->trigger();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Are you sure you want to shut down Tonalyst ?"));
    EXPECT_EQ(terminated.count(), 0);
    prompter.answerYes();
    action("mnuquit")->trigger();
    EXPECT_EQ(terminated.count(), 1);
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgramWithoutAsking) {
    window->show();
    window->close();
    EXPECT_EQ(terminated.count(), 1);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(MainWindowTest, TonesSwitchNamesTheNextAction) {
    EXPECT_TRUE(window->runModel().tonesOn());
    action("mnutones")->trigger();
    EXPECT_EQ(action("mnutones")->text(), QStringLiteral("&Tones on"));
    EXPECT_FALSE(window->runModel().tonesOn());
    action("mnutones")->trigger();
    EXPECT_EQ(action("mnutones")->text(), QStringLiteral("&Tones off"));
    EXPECT_TRUE(window->runModel().tonesOn());
}

TEST_F(MainWindowTest, BeepsSoundTwiceWhenSwitchedOnAndNotWhenSwitchedOff) {
    action("mnubeep")->trigger();
    EXPECT_EQ(action("mnubeep")->text(), QStringLiteral("&Beep on"));
    QTest::qWait(400);
    EXPECT_EQ(beeper.count(), 0);
    action("mnubeep")->trigger();
    QTRY_COMPARE(beeper.count(), 2);
    QTest::qWait(300);
    EXPECT_EQ(beeper.count(), 2);
}

TEST_F(MainWindowTest, StatusBarItemHidesAndShowsThePanel) {
    window->show();
    action("mnuviewstatus")->trigger();
    EXPECT_FALSE(action("mnuviewstatus")->isChecked());
    EXPECT_FALSE(control<QWidget>("fraStatus")->isVisible());
    action("mnuviewstatus")->trigger();
    EXPECT_TRUE(action("mnuviewstatus")->isChecked());
    EXPECT_TRUE(control<QWidget>("fraStatus")->isVisible());
}

TEST_F(MainWindowTest, EarTrainingRunsInItsOwnWindow) {
    window->show();
    action("mnutones")->trigger(); // tones off: ear training must switch them back on
    action("mnuintet")->trigger();
    EXPECT_EQ(window->earTrainingWindow()->windowTitle(), QStringLiteral("Ear Training : Intervals"));
    EXPECT_EQ(control<QPushButton>("cmdClear")->text(), QStringLiteral("Repeat Tones"));
    EXPECT_TRUE(window->runModel().tonesOn());
    EXPECT_EQ(window->settings().intervalType, IntervalType::Common);
    // Until Start, the student stays with the main window.
    EXPECT_TRUE(window->isVisible());

    control<QPushButton>("cmdStart")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->earTrainingWindow()->isVisible());

    findControl<QPushButton>(window->earTrainingWindow(), "cmdhidedsplay")->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->earTrainingWindow()->isVisible());

    prompter.answerYes();
    findControl<QPushButton>(window->earTrainingWindow(), "cmdreset")->click();
    EXPECT_FALSE(control<QPushButton>("cmdStart")->isHidden());

    action("mnuspell")->trigger();
    EXPECT_EQ(control<QPushButton>("cmdClear")->text(), QStringLiteral("Clear"));
}

} // namespace
} // namespace tonalyst::test

namespace tonalyst::test {
namespace {

TEST_F(MainWindowTest, IdleLimitShutsDownOnceTheMinuteBoundariesExceedIt) {
    clock.set(QDateTime(QDate(2026, 3, 1), QTime(10, 0, 50)));
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("frmautoquit"));
        findControl<QRadioButton>(dialog, "opttime", 0)->setChecked(true);
        findControl<QPushButton>(dialog, "cmdidle")->click();
    });
    action("mnuidle")->trigger();
    control<QPushButton>("cmdStart")->click();

    // 10:00:50 plus five minutes and ten seconds crosses only five minute boundaries.
    clock.set(QDateTime(QDate(2026, 3, 1), QTime(10, 5, 59)));
    window->checkIdle();
    EXPECT_EQ(terminated.count(), 0);
    clock.set(QDateTime(QDate(2026, 3, 1), QTime(10, 6, 0)));
    window->checkIdle();
    EXPECT_EQ(terminated.count(), 1);
    // The run was ended on the way out.
    EXPECT_FALSE(control<QPushButton>("cmdStart")->isHidden());
}

TEST_F(MainWindowTest, NeverLimitKeepsTheProgramRunning) {
    clock.advanceSeconds(24 * 3600);
    window->checkIdle();
    EXPECT_EQ(terminated.count(), 0);
}

TEST_F(MainWindowTest, ChordEarTrainingAsksWhichChordsToTrain) {
    // The selection dialog is modal: answer it the way a student would.
    QTimer::singleShot(0, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        EXPECT_EQ(modal->objectName(), QStringLiteral("frmetchordselect"));
        // The new activity shows before the question about its chords.
        EXPECT_TRUE(findControl<QAction>(window.get(), "mnuchordet")->isChecked());
        EXPECT_FALSE(findControl<QAction>(window.get(), "mnuspell")->isChecked());
        EXPECT_EQ(statusValue(*window, 0), QStringLiteral("chord ear train"));
        findControl<QRadioButton>(modal, "Optchordet", 2)->setChecked(true);
        findControl<QPushButton>(modal, "cmdok")->click();
    });
    action("mnuchordet")->trigger();
    EXPECT_EQ(window->settings().earTrainingChords, EarTrainingChords::Both);
    EXPECT_EQ(window->earTrainingWindow()->windowTitle(), QStringLiteral("Ear Training : Chords"));
    EXPECT_TRUE(action("mnuchordet")->isChecked());
    EXPECT_EQ(statusValue(*window, 0), QStringLiteral("chord ear train"));
}

} // namespace
} // namespace tonalyst::test

namespace tonalyst::test {
namespace {

TEST_F(MainWindowTest, LoadingMakesTheDataFileAndItsSealQuietly) {
    EXPECT_TRUE(QFile::exists(files.dataDir() + QStringLiteral("/varen.dat")));
    EXPECT_FALSE(QDir(files.stateDir()).entryList({QStringLiteral("*.chk")}, QDir::Hidden | QDir::Files).isEmpty());
    EXPECT_TRUE(prompter.shown().empty());
}

} // namespace
} // namespace tonalyst::test
