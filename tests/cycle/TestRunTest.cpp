#include "CycleFixture.h"

namespace tonalyst::test {
namespace {

const QString kReviewOffer = QStringLiteral("Test complete: Do you wish to review any errors ?");
const QString kGoodWork = QStringLiteral("Good work: hit OK for next question");
const QString kWrong = QStringLiteral("Wrong: hit ok for next question");

class TestRun : public CycleFixture {
protected:
    TestRun() { settings.testLength = 5; }

    // Answers the questions under way right (true) or wrong (false), three seconds each.
    void answer(std::initializer_list<bool> verdicts) {
        for (bool right : verdicts) {
            if (right)
                answerRight();
            else
                answerWrong();
            submitAfter(3);
        }
    }
};

TEST_F(TestRun, allRightThenAskingForAReviewFindsNoErrors) {
    startRun(activityNamed("chord-spell"), Method::Test);
    answer({true, true, true, true});
    EXPECT_EQ(view.questionNumbers.last(), QStringLiteral("Question #   5"));
    EXPECT_EQ(state.questionNumber, 5) << "a test keeps each question in its own slot";
    prompter.answerYes();
    answer({true});

    EXPECT_EQ(prompter.texts(), (QStringList{kGoodWork, kGoodWork, kGoodWork, kGoodWork, kGoodWork,
                                             kReviewOffer, QStringLiteral("No errors to check")}));
    EXPECT_EQ(view.beeps, 15);
    EXPECT_EQ(view.endruns, 1);
    EXPECT_EQ(state.questionNumber, 0);
    EXPECT_EQ(state.selected, &activityNamed("chord-spell"));
    EXPECT_FALSE(state.reviewing);
    EXPECT_TRUE(view.log.contains(QStringLiteral("stop elapsed")));
    EXPECT_TRUE(view.log.contains(QStringLiteral("enable reset")));
    EXPECT_EQ(dataFile().count("\r\n"), 5);
    EXPECT_EQ(view.status->successRate, QStringLiteral(" 100 %"));
}

TEST_F(TestRun, sayingNoToTheReviewEndsTheRun) {
    startRun(activityNamed("chord-spell"), Method::Test);
    prompter.answerNo();
    answer({false, true, true, true, true});
    EXPECT_EQ(prompter.lastText(), kReviewOffer);
    EXPECT_EQ(view.endruns, 1);
    EXPECT_EQ(view.beeps, 1 + 4 * 3);
    EXPECT_EQ(dataFile().count("\r\n"), 5);
}

TEST_F(TestRun, theReviewStepsThroughTheErrorsAndChangesNothing) {
    settings.inversions = InversionOption::Basic;
    startRun(activityNamed("chord-id"), Method::Test);
    std::vector<AnswerParts> given;
    for (bool right : {true, false, true, false, false}) {
        if (right)
            answerRight();
        else
            answerWrong();
        given.push_back(cycle.answer());
        if (given.size() == 5)
            prompter.answerYes();
        submitAfter(3);
    }
    EXPECT_EQ(prompter.texts().mid(0, 5), (QStringList{kGoodWork, kWrong, kGoodWork, kWrong, kWrong}));
    const int statusUpdates = view.statusUpdates;
    const StatusValues status = *view.status;
    EXPECT_EQ(status.successes, QStringLiteral(" 2"));
    EXPECT_EQ(status.successRate, QStringLiteral(" 40 %"));
    EXPECT_EQ(cycle.pending().size(), 5u);

    // Question 2 comes back as it was answered.
    EXPECT_TRUE(state.reviewing);
    EXPECT_EQ(view.answerMessage, QStringLiteral("Make corrections and press OK"));
    EXPECT_EQ(view.questionNumbers.last(), QStringLiteral("Question #   2 was..."));
    EXPECT_EQ(view.answerWas, QStringLiteral("Your answer was ..."));
    EXPECT_EQ(view.answerWasStyle, CycleView::AnswerWasStyle::Wrong);
    EXPECT_EQ(cycle.answer(), given[1]);
    EXPECT_EQ(view.recordedShown.back(), given[1]);
    EXPECT_EQ(view.inversionList, std::optional<std::string>(given[1].answer3));
    EXPECT_EQ(view.log.last(), QStringLiteral("show choices"));

    answerRight();
    submitAfter(3);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("You got it this time: hit ok to review next question"));
    EXPECT_EQ(view.questionNumbers.last(), QStringLiteral("Question #   4 was...")) << "question 3 was right";

    answerWrong();
    submitAfter(3);
    EXPECT_TRUE(prompter.lastText().startsWith(QStringLiteral("Still wrong: the right answer is :\r\n\r\n")))
        << prompter.lastText().toStdString();
    EXPECT_EQ(view.questionNumbers.last(), QStringLiteral("Question #   5 was..."));

    answerRight();
    submitAfter(3);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("No More errors to check"));
    EXPECT_EQ(view.statusUpdates, statusUpdates) << "the review leaves the status panel alone";
    EXPECT_EQ(view.beeps, 3 + 1 + 3 + 1 + 1 + 3 + 1 + 3);
    EXPECT_EQ(view.endruns, 1);
    EXPECT_EQ(state.selected, &activityNamed("chord-id"));
    EXPECT_FALSE(state.reviewing);
    EXPECT_EQ(view.answerMessage, QString());

    const QByteArray written = dataFile();
    EXPECT_EQ(written.count("\r\n"), 5) << "nothing is recorded in the review";
    EXPECT_EQ(written.count(",1,"), 2);
}

TEST_F(TestRun, aKeySignatureTestEndsWithoutOfferingAReview) {
    startRun(activityNamed("keysig"), Method::Test);
    EXPECT_TRUE(view.entered.empty()) << "only the signature is shown";
    answer({true, false, true, true, true});
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Test Complete.  Hit OK to continue"));
    EXPECT_EQ(prompter.pendingAnswers(), 0);
    for (const ScriptedPrompter::Shown& shown : prompter.shown())
        EXPECT_FALSE(shown.question) << shown.text.toStdString();
    EXPECT_EQ(view.endruns, 1);
    const QByteArray written = dataFile();
    EXPECT_EQ(written.count("\"test\",\"keysigid\",\"-1\",\""), 5) << written.toStdString();
}

} // namespace
} // namespace tonalyst::test
