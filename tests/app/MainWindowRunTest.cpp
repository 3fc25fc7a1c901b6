#include "MainWindowFixture.h"

#include "app/EarTrainingWindow.h"
#include "app/StatusPanel.h"
#include "cycle/QuestionCycle.h"
#include "cycle/RunModel.h"
#include "staff/StaffPanel.h"
#include "theory/ChordNames.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace tonalyst::test {
namespace {

// Whole runs through the real window: questions shown, answers entered the way a
// student enters them, verdicts, the status panel and the records in the data file.
class MainWindowRunTest : public MainWindowTest {
protected:
    MainWindowRunTest() { window->setUserId(QStringLiteral("AB")); }

    const QuestionSlot& slot() const {
        const QuestionSlot* current = window->cycle().currentSlot();
        EXPECT_NE(current, nullptr);
        return *current;
    }

    void start() { control<QPushButton>("cmdStart")->click(); }

    // Options > Test Length, answered in its modal dialog: 0 "five" ... 3 "twenty".
    void chooseTestLength(int option) {
        QTimer::singleShot(0, [option] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            findControl<QRadioButton>(modal, "optquesnum", option)->setChecked(true);
            findControl<QPushButton>(modal, "Command1", 1)->click();
        });
        action("mnutestlong")->trigger();
    }

    void submit() { control<QPushButton>("cmdOK")->click(); }

    // Writes the expected notes on the staff, in the first octave.
    void spellRightAnswer() {
        const PreparedAnswer& expected = slot().prepared;
        for (int i = 0; i < expected.noteCount(); ++i)
            ASSERT_TRUE(window->staffPanel()->enterNote(expected.notes[static_cast<std::size_t>(i)].step + 1,
                                                        expected.notes[static_cast<std::size_t>(i)].code()));
    }

    // Picks an entry of the pop-up answer menus by its captions.
    void choose(const char* menuName, const QString& part1, const QString& part2) {
        auto* menu = control<QMenu>(menuName);
        for (QAction* type : menu->actions()) {
            if (type->text() != part1)
                continue;
            if (!type->menu()) {
                type->trigger();
                return;
            }
            for (QAction* item : type->menu()->actions())
                if (item->text() == part2) {
                    item->trigger();
                    return;
                }
        }
        ADD_FAILURE() << "no answer " << part1.toStdString() << " / " << part2.toStdString();
    }

    QString status(int index) const { return findControl<QLabel>(window.get(), "lblstatmsg", index)->text(); }

    QStringList dataLines() const {
        QFile file(files.dataDir() + QStringLiteral("/varen.dat"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
};

TEST_F(MainWindowRunTest, PracticeWrongThenTryAgainThenRight) {
    start();
    ASSERT_EQ(findControl<QLabel>(window.get(), "lblQuesnum")->text(), QStringLiteral("Question #   1"));
    // One note short of the chord is refused before judging.
    window->staffPanel()->enterNote(1, 0);
    if (slot().question.noteCount() > 1) {
        submit();
        EXPECT_EQ(prompter.lastText(), QStringLiteral("Not enough tones"));
    }
    control<QPushButton>("cmdClear")->click();
    // A wrong chord: three Cs cannot be entered, so write C E G# over and over; if that
    // happens to be right, write C E G instead.
    for (int position : {1, 3, 5, 7})
        window->staffPanel()->enterNote(position, 2);
    prompter.answerYes(); // try again
    submit();
    ASSERT_TRUE(prompter.lastText().startsWith(QStringLiteral("That is not correct. ")));
    EXPECT_EQ(findControl<QLabel>(window.get(), "lblQuesnum")->text(), QStringLiteral("Question #   1"));
    EXPECT_EQ(status(5), QString());

    control<QPushButton>("cmdClear")->click();
    spellRightAnswer();
    submit();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Good work: hit OK for next question"));
    EXPECT_EQ(status(5), QStringLiteral(" 1"));
    EXPECT_EQ(status(6), QStringLiteral(" 100 %"));
    EXPECT_EQ(findControl<QLabel>(window.get(), "lblQuesnum")->text(), QStringLiteral("Question #   2"));

    prompter.answerYes();
    action("mnuquit")->trigger();
    const QStringList lines = dataLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("\"AB\",#1998-05-12#,\"practice\",\"spell\",\"-1\",\"Triad :\",")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral(",0,1,")) || lines[0].contains(QStringLiteral(",1,")));
}

TEST_F(MainWindowRunTest, ATestOfFiveAllRightHasNoErrorsToReview) {
    chooseTestLength(0);
    ASSERT_EQ(window->settings().testLength, 5);
    action("mnutest")->trigger();
    start();
    prompter.answerYes(); // review the errors
    for (int question = 1; question <= 5; ++question) {
        clock.advanceSeconds(4);
        spellRightAnswer();
        submit();
    }
    const QStringList shown = prompter.texts();
    EXPECT_EQ(shown.count(QStringLiteral("Good work: hit OK for next question")), 5);
    EXPECT_TRUE(shown.contains(QStringLiteral("Test complete: Do you wish to review any errors ?")));
    EXPECT_EQ(prompter.lastText(), QStringLiteral("No errors to check"));
    EXPECT_EQ(window->state().questionNumber, 0);
    EXPECT_FALSE(control<QPushButton>("cmdStart")->isHidden());
    EXPECT_EQ(status(7), QStringLiteral(" 2500"));

    const QStringList lines = dataLines();
    ASSERT_EQ(lines.size(), 5);
    for (const QString& line : lines)
        EXPECT_TRUE(line.startsWith(QStringLiteral("\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",4,1,")))
            << line.toStdString();
}

// The main window and the ear-training window show one run: neither falls behind, and a
// new practice run leaves no test score standing in either.
TEST_F(MainWindowRunTest, BothWindowsShowTheSameRun) {
    const StatusPanel& main = *findControl<StatusPanel>(window->centralWidget(), "fraStatus");
    const StatusPanel& ear = *window->earTrainingWindow()->status();
    const auto sameInBoth = [&] {
        for (RunModel::Status value : RunModel::kStatusValues)
            EXPECT_EQ(ear.value(static_cast<StatusPanel::Value>(value)),
                      main.value(static_cast<StatusPanel::Value>(value)))
                << value;
        EXPECT_EQ(window->earTrainingWindow()->questionNumberLabel()->text(),
                  findControl<QLabel>(window->centralWidget(), "lblQuesnum")->text());
    };
    chooseTestLength(0);
    action("mnutest")->trigger();
    start();
    prompter.answerNo(); // no review
    for (int question = 1; question <= 5; ++question) {
        clock.advanceSeconds(4);
        if (question != 2)
            spellRightAnswer();
        submit();
        sameInBoth();
    }
    EXPECT_EQ(ear.value(StatusPanel::Successes), QStringLiteral(" 4"));
    EXPECT_EQ(ear.value(StatusPanel::Score), main.value(StatusPanel::Score));
    EXPECT_FALSE(ear.value(StatusPanel::Score).isEmpty());

    action("mnuprac")->trigger();
    start();
    sameInBoth();
    EXPECT_EQ(ear.value(StatusPanel::MethodValue), QStringLiteral("practice"));
    EXPECT_EQ(ear.value(StatusPanel::Score), QString());
}

TEST_F(MainWindowRunTest, KeySignatureTestEndsWithoutOfferingAReview) {
    chooseTestLength(0);
    action("mnukeysigid")->trigger();
    action("mnutest")->trigger();
    start();
    for (int question = 1; question <= 5; ++question) {
        const Question& asked = slot().question;
        ASSERT_TRUE(window->staffPanel()->isKeySignatureShown() || asked.sigCount == 0);
        // The first question is answered wrong on purpose: C-flat major or a-sharp minor is
        // never the key when the default keys are enabled.
        const QString mode = QString::fromStdString(asked.category);
        const bool major = asked.category == "major :";
        const QString wrongKey = major ? QStringLiteral("C-flat") : QStringLiteral("a-sharp");
        choose("mnukeysig", mode, question == 1 ? wrongKey : QString::fromStdString(asked.name));
        submit();
    }
    const QStringList shown = prompter.texts();
    EXPECT_TRUE(shown.contains(QStringLiteral("Wrong: hit ok for next question")));
    EXPECT_FALSE(shown.contains(QStringLiteral("Test complete: Do you wish to review any errors ?")));
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Test Complete.  Hit OK to continue"));
    const QStringList lines = dataLines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("\"keysigid\"")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral(",0,")));
}

TEST_F(MainWindowRunTest, IdentificationNeedsBothPartsButTheNeapolitanNeedsOne) {
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        findControl<QPushButton>(modal, "cmdAllChords", 0)->click();
        findControl<QCheckBox>(modal, "chkflat2")->setChecked(true);
        findControl<QPushButton>(modal, "cmdOK", 1)->click();
    });
    action("mnuChordset")->trigger();
    ASSERT_EQ(window->settings().chords.total(), 1);
    action("mnuIdentify")->trigger();
    start();
    submit();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Enter an answer"));
    choose("mnuchord", QStringLiteral("Flat-II (Neapolitan)"), QString());
    EXPECT_EQ(findControl<QLabel>(window.get(), "lblchordtype")->text(), QStringLiteral("Flat-II (Neapolitan)"));
    submit();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Good work: hit OK for next question"));
}

TEST_F(MainWindowRunTest, ChoosingTestWhileAPracticeRunsWritesItsRecords) {
    start();
    spellRightAnswer();
    submit();
    EXPECT_TRUE(dataLines().isEmpty());
    action("mnutest")->trigger();
    EXPECT_EQ(dataLines().size(), 1);
}

TEST_F(MainWindowRunTest, AnActivityChangeCanWaitForTheQuestionUnderWay) {
    start();
    prompter.answerYes();
    action("mnuIdentify")->trigger();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Will change activity after current question completed"));
    EXPECT_TRUE(action("mnuspell")->isChecked());
    EXPECT_EQ(window->state().current->names().worksheetName, "chord-spell");
    spellRightAnswer();
    submit();
    EXPECT_TRUE(action("mnuIdentify")->isChecked());
    EXPECT_EQ(window->state().current->names().worksheetName, "chord-id");
    EXPECT_FALSE(window->state().switchPending);
}

TEST_F(MainWindowRunTest, AnActivityChangeAtOnceEndsTheRunAndStartsAnother) {
    start();
    spellRightAnswer();
    submit();
    prompter.answerNo();
    action("mnuIdentify")->trigger();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Will now reset status bar and change activtiy..."));
    EXPECT_EQ(dataLines().size(), 1);
    EXPECT_EQ(window->state().current->names().worksheetName, "chord-id");
    EXPECT_EQ(window->state().questionNumber, 1);
    EXPECT_TRUE(control<QPushButton>("cmdStart")->isHidden());
}

// Typed and clicked notes are for spelled answers only; interval answers compare letters,
// so the staff keeps no natural sign for them.
TEST_F(MainWindowRunTest, EachActivityTellsTheStaffHowItsAnswersAreEntered) {
    struct Case {
        const char* menu;
        bool takesNotes;
        bool keepsNaturalSign;
    };
    start();
    for (const Case& c : {Case{"mnuspell", true, true}, Case{"mnuIntSpell", true, false},
                          Case{"mnuIdentify", false, true}, Case{"mnuIntId", false, false}}) {
        if (!action(c.menu)->isChecked()) {
            prompter.answerNo();
            action(c.menu)->trigger();
        }
        StaffPanel& staff = *window->staffPanel();
        EXPECT_EQ(control<QLineEdit>("txtNotes")->isEnabled(), c.takesNotes) << c.menu;
        staff.clearStaff();
        ASSERT_TRUE(staff.enterNote(6, Natural)) << c.menu;
        EXPECT_EQ(staff.enteredNotes().front().code, c.keepsNaturalSign ? Natural : NoSign) << c.menu;
    }
}

} // namespace
} // namespace tonalyst::test

namespace tonalyst::test {
namespace {

TEST_F(MainWindowRunTest, IntervalEarTrainingIsHeardAnsweredAndRecorded) {
    window->show();
    action("mnuintet")->trigger();
    start();
    EarTrainingWindow* ear = window->earTrainingWindow();
    ASSERT_TRUE(ear->isVisible());
    // The question is heard as it is asked, and again on Repeat Tones.
    EXPECT_GE(tones.played().size(), 2);
    const qsizetype heard = tones.played().size();
    findControl<QPushButton>(ear, "cmdrepeat")->click();
    EXPECT_EQ(tones.played().size(), 2 * heard);
    // The advanced intervals are left out while ear training runs.
    EXPECT_FALSE(control<QAction>("mnusecond", 2)->isVisible());

    const Question& asked = slot().question;
    choose("mnuinterval", QString::fromStdString(asked.category), QString::fromStdString(asked.name));
    EXPECT_EQ(findControl<QLabel>(ear, "lblchordtype")->text(), QString::fromStdString(asked.category));
    findControl<QPushButton>(ear, "cmdok")->click();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Good work: hit OK for next question"));

    prompter.answerYes();
    findControl<QPushButton>(ear, "cmdreset")->click();
    const QStringList lines = dataLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("\"practice\",\"eartraining\",\"-1\",\"interval\",")))
        << lines[0].toStdString();

    action("mnuIntId")->trigger();
    EXPECT_TRUE(control<QAction>("mnusecond", 2)->isVisible());
}

} // namespace
} // namespace tonalyst::test

namespace tonalyst::test {
namespace {

class MainWindowSteadyTest : public MainWindowRunTest {
protected:
    // The expected chord with its lowest note a step too high: wrong, but complete.
    void spellWrongAnswer() {
        const PreparedAnswer& expected = slot().prepared;
        for (int i = 0; i < expected.noteCount(); ++i)
            ASSERT_TRUE(window->staffPanel()->enterNote(expected.notes[static_cast<std::size_t>(i)].step +
                                                            (i == 0 ? 2 : 1),
                                                        expected.notes[static_cast<std::size_t>(i)].code()));
    }

    int shownCount() const { return static_cast<int>(prompter.shown().size()); }

    static void closePopUps() {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
};

TEST_F(MainWindowSteadyTest, EnterSubmitsUnlessTheFocusTakesEnterItself) {
    window->show();
    start();
    // Enter anywhere the key is not taken: Submit Answer refuses the empty staff.
    QTest::keyClick(window->staffPanel(), Qt::Key_Return);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Not enough tones"));
    QTest::keyClick(control<QPushButton>("cmdOK"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(shownCount(), 2);

    // A focused button takes Enter for itself: Clear clears, nothing is submitted.
    ASSERT_TRUE(window->staffPanel()->enterNote(1, 0));
    auto* clear = control<QPushButton>("cmdClear");
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Return);
    EXPECT_EQ(window->staffPanel()->noteCount(), 0);
    EXPECT_EQ(shownCount(), 2);

    // So does a text field: its Enter finishes what is typed in it.
    auto* field = new QLineEdit(window->centralWidget());
    field->show();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(shownCount(), 2);
    EXPECT_EQ(window->cycle().currentSlot(), &slot());

    // Enter with a modifier is someone else's shortcut.
    QTest::keyClick(window->staffPanel(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(shownCount(), 2);
}

TEST_F(MainWindowSteadyTest, EnterSubmitsInTheEarTrainingWindowToo) {
    action("mnuintet")->trigger();
    start();
    EarTrainingWindow* earTraining = window->earTrainingWindow();
    ASSERT_TRUE(earTraining->isVisible());
    QTest::keyClick(earTraining, Qt::Key_Return);
    closePopUps();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Enter an answer"));
}

TEST_F(MainWindowSteadyTest, AHintLastsOnlyForItsQuestion) {
    auto* message = control<QLabel>("lblanswermsg");
    start();
    bool hinted = false;
    for (int question = 0; question < 100 && !hinted; ++question) {
        spellWrongAnswer();
        prompter.answerYes(); // try again, with the hint
        submit();
        hinted = !message->text().isEmpty();
        control<QPushButton>("cmdClear")->click();
        spellRightAnswer();
        submit();
        ASSERT_EQ(prompter.lastText(), QStringLiteral("Good work: hit OK for next question"));
        EXPECT_EQ(message->text(), QString()) << "question " << question;
    }
    EXPECT_TRUE(hinted);
}

TEST_F(MainWindowSteadyTest, TheEndOfARunLeavesAnEmptyStaff) {
    action("mnukeysigid")->trigger();
    const auto startWithSignature = [this] {
        // Keys without sharps or flats show no signature to clear.
        do {
            start();
            if (slot().question.sigCount != 0)
                break;
            prompter.answerYes();
            action("mnuquittest")->trigger();
        } while (true);
        ASSERT_TRUE(window->staffPanel()->isKeySignatureShown());
    };
    const auto expectEmptyStaff = [this](const char* how) {
        EXPECT_FALSE(window->staffPanel()->isKeySignatureShown()) << how;
        EXPECT_EQ(window->staffPanel()->noteCount(), 0) << how;
        EXPECT_TRUE(window->staffPanel()->drawnNotes().empty()) << how;
    };

    startWithSignature();
    prompter.answerYes();
    action("mnuquittest")->trigger();
    expectEmptyStaff("Reset");

    startWithSignature();
    action("mnutest")->trigger();
    expectEmptyStaff("Method > Test");

    startWithSignature();
    prompter.answerYes();
    action("mnuquit")->trigger();
    expectEmptyStaff("Quit");
}

} // namespace
} // namespace tonalyst::test
