#include "CycleFixture.h"

namespace tonalyst::test {
namespace {

const QString kTryAgain =
    QStringLiteral("That is not correct. \r\n\r\nDo you want to try again? \r\n(Choose No to see answer)");

using PracticeRun = CycleFixture;

TEST_F(PracticeRun, aWrongAnswerOffersARetryThatRecordsNothing) {
    startRun(activityNamed("chord-spell"), Method::Practice);
    EXPECT_EQ(view.questionNumbers, QStringList{QStringLiteral("Question #   1")});
    EXPECT_EQ(state.questionNumber, 1);
    EXPECT_EQ(view.noteLimit, 3);
    EXPECT_TRUE(view.entered.empty()) << "a chord to spell is not drawn";

    answerWrong();
    prompter.answerYes();
    submitAfter(4);
    EXPECT_EQ(prompter.texts(), QStringList{kTryAgain});
    EXPECT_EQ(view.beeps, 1);
    EXPECT_TRUE(cycle.pending().empty());
    EXPECT_EQ(view.statusUpdates, 0);
    EXPECT_EQ(view.questionNumbers.size(), 1) << "the same question stays";
    EXPECT_EQ(view.answerMessage, QString::fromStdString(slot().prepared.hinttext));
    EXPECT_EQ(view.log.last(), QStringLiteral("answer entry"));

    answerRight();
    submitAfter(3);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Good work: hit OK for next question"));
    EXPECT_EQ(view.beeps, 1) << "a right practice answer makes no beep";
    EXPECT_EQ(view.played.size(), 1u);
    ASSERT_EQ(cycle.pending().size(), 1u);
    EXPECT_EQ(cycle.pending()[0].recsuccess, 1);
    EXPECT_EQ(cycle.pending()[0].recseconds, 7) << "the time runs from the question, tries included";
    EXPECT_EQ(view.questionNumbers.last(), QStringLiteral("Question #   2"));
    EXPECT_EQ(state.questionNumber, 1) << "practice keeps every question in the first slot";
}

TEST_F(PracticeRun, decliningTheRetryShowsTheRightAnswerAndRecordsAWrongOne) {
    startRun(activityNamed("chord-spell"), Method::Practice);
    answerWrong();
    const std::string expected =
        rightAnswerMessage("The right answer is :",
                           activityNamed("chord-spell")
                               .rightAnswer(slot().question, slot().prepared, InversionOption::Off, false));
    prompter.answerNo();
    submitAfter(5);
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[1].text, QString::fromStdString(expected));
    EXPECT_TRUE(prompter.shown()[1].text.startsWith(QStringLiteral("The right answer is :\r\n\r\n  ")));
    EXPECT_EQ(prompter.shown()[1].icon, Prompter::Icon::Exclamation);
    ASSERT_EQ(cycle.pending().size(), 1u);
    EXPECT_EQ(cycle.pending()[0].recsuccess, 0);
    EXPECT_EQ(view.status->successRate, QStringLiteral(" 0 %"));
    EXPECT_EQ(view.questionNumbers.last(), QStringLiteral("Question #   2"));
}

TEST_F(PracticeRun, aRetriedIdentificationClearsTheAnswerAndPopsUpTheMenu) {
    settings.inversions = InversionOption::Basic;
    startRun(activityNamed("chord-id"), Method::Practice);
    EXPECT_EQ(view.answerWas, QStringLiteral("Your answer is ..."));
    EXPECT_EQ(view.entered.size(), 1u) << "the chord to identify is drawn";
    EXPECT_EQ(view.inversionList, std::optional<std::string>("(inversion)"));

    answerWrong();
    prompter.answerYes();
    submitAfter(2);
    EXPECT_EQ(view.log.last(), QStringLiteral("clear identification"));
    EXPECT_TRUE(cycle.answer().answer1.empty());
    EXPECT_TRUE(cycle.answer().answer2.empty());
    EXPECT_EQ(cycle.answer().answer3, slot().question.invLabel) << "the chosen inversion stays";
}

TEST_F(PracticeRun, aPendingActivityChangeTakesEffectOnceTheAnswerIsRecorded) {
    startRun(activityNamed("chord-spell"), Method::Practice);
    state.switchPending = true;
    state.selected = &activityNamed("chord-id");
    std::size_t pendingAtSwitch = 0;
    view.onApply = [&] {
        pendingAtSwitch = cycle.pending().size();
        state.current = state.selected;
        state.switchPending = false;
    };
    answerRight();
    submitAfter(1);
    EXPECT_EQ(view.applied, 1);
    EXPECT_EQ(pendingAtSwitch, 1u);
    EXPECT_EQ(cycle.pending()[0].recactivity, QStringLiteral("spell"));
    EXPECT_EQ(view.answerWas, QStringLiteral("Your answer is ...")) << "the next question is one to identify";
}

TEST_F(PracticeRun, aRunEndedWhileAMessageIsOpenAsksNothingMore) {
    startRun(activityNamed("chord-spell"), Method::Practice);
    prompter.whileShowing([&](const QString& text) {
        if (text.startsWith(QStringLiteral("Good work")))
            cycle.endrun();
    });
    answerRight();
    submitAfter(1);
    EXPECT_EQ(view.questionNumbers.size(), 1);
    EXPECT_EQ(state.questionNumber, 0);
    EXPECT_EQ(view.endruns, 1);
    EXPECT_TRUE(cycle.pending().empty()) << "the run's records went to the data file";
    cycle.questionstep();
    EXPECT_EQ(view.questionNumbers.size(), 1);
}

TEST_F(PracticeRun, settingsThatYieldNoQuestionEndTheRunWithAMessage) {
    // This cycle was given no interval generator.
    startRun(activityNamed("interval-id"), Method::Practice);
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("No question can be made with the chosen settings.")});
    EXPECT_EQ(view.endruns, 1);
    EXPECT_FALSE(cycle.running());
    EXPECT_EQ(cycle.currentSlot(), nullptr);
}

} // namespace
} // namespace tonalyst::test
