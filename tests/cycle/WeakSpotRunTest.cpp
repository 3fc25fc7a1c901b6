#include "CycleFixture.h"

#include "theory/AnswerText.h"

namespace tonalyst::test {
namespace {

// Hears the cycle's answers as the history would.
struct HeardAnswers final : AnswerObserver {
    void answerJudged(const AnswerRecord& answer) override { answers.push_back(answer); }
    void recordsWritten(const QStringList& answerIds) override { inDataFile << answerIds; }
    std::vector<AnswerRecord> answers;
    QStringList inDataFile;
};

// The items a run of chord identification asks, every answer right, with or without
// weak spots to favour; the same random seed each time.
class WeakSpotRun : public CycleFixture {
protected:
    std::vector<std::string> itemsAsked(Method method, const WeakSpotSchedule* favor, int questions) {
        RunState runState;
        ScriptedRandom draws(4242);
        ScriptedPrompter boxes;
        boxes.answerNo(); // no review at the end of a test
        QuestionCycle run{runState, settings, view, {clock, boxes, draws}, records};
        run.setWeakSpots(favor);
        runState.selected = runState.current = &activityNamed("chord-id");
        runState.method = method;
        run.start();
        std::vector<std::string> items;
        for (int i = 0; i < questions; ++i) {
            const Question& asked = run.currentSlot()->question;
            items.push_back(weakSpotItem(activityNamed("chord-id").settledState(), asked));
            run.answer() = {asked.category, asked.name, asked.invLabel};
            run.questionstep();
        }
        run.endrun();
        return items;
    }
};

TEST_F(WeakSpotRun, PracticeGoesAfterTheFailedChordAndTestsAreLeftAlone) {
    settings.testLength = 20;
    const std::vector<std::string> plainTest = itemsAsked(Method::Test, nullptr, 20);
    const std::vector<std::string> plainPractice = itemsAsked(Method::Practice, nullptr, 120);

    WeakSpotSchedule schedule;
    schedule.answered(plainPractice.front(), false);
    EXPECT_EQ(itemsAsked(Method::Test, &schedule, 20), plainTest);
    const std::vector<std::string> favored = itemsAsked(Method::Practice, &schedule, 120);
    const auto count = [&](const std::vector<std::string>& items) {
        return std::count(items.begin(), items.end(), plainPractice.front());
    };
    EXPECT_GT(count(favored), count(plainPractice)) << plainPractice.front();
}

TEST_F(CycleFixture, EveryAnswerIsHeardBeforeItsVerdictShowsAndCountedOnceTheDataFileHasIt) {
    HeardAnswers heard;
    cycle.setAnswerObserver(&heard);
    // What the history had when each box came up: a kill while it shows loses nothing.
    std::vector<std::size_t> heardByBox;
    prompter.whileShowing([&](const QString&) { heardByBox.push_back(heard.answers.size()); });
    startRun(activityNamed("chord-spell"), Method::Practice);
    answerWrong();
    prompter.answerYes(); // try again
    submitAfter(4);
    answerRight();
    submitAfter(2);
    answerWrong();
    prompter.answerNo(); // see the answer
    submitAfter(1);
    EXPECT_EQ(heardByBox, (std::vector<std::size_t>{1, 2, 3, 3}));
    EXPECT_TRUE(heard.inDataFile.isEmpty()) << "counted before the data file has it";
    cycle.endrun();

    ASSERT_EQ(heard.answers.size(), 3u);
    for (const AnswerRecord& answer : heard.answers)
        EXPECT_FALSE(answer.inDataFile);
    EXPECT_EQ(heard.answers[0].attempt, 1);
    EXPECT_EQ(heard.answers[0].seconds, 4);
    EXPECT_EQ(heard.answers[1].attempt, 2);
    EXPECT_EQ(heard.answers[1].seconds, 6);
    EXPECT_EQ(heard.answers[1].given, heard.answers[1].right);
    EXPECT_EQ(heard.answers[2].attempt, 1);
    EXPECT_NE(heard.answers[2].given, heard.answers[2].right);
    EXPECT_EQ(heard.answers[0].runId, heard.answers[2].runId);
    // The retry is no question of the data file's; the other two are, once written.
    EXPECT_EQ(heard.inDataFile, (QStringList{heard.answers[1].answerId, heard.answers[2].answerId}));
    EXPECT_EQ(dataFile().count("\r\n"), 2);
}

} // namespace
} // namespace tonalyst::test
