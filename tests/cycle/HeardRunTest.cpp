#include "CycleFixture.h"

namespace tonalyst::test {
namespace {

class HeardRunTest : public CycleFixture {
protected:
    // C major alone, so that every question is in the key of the one before.
    void onlyCMajor() {
        KeyBoxes boxes;
        boxes.sharp.fill(false);
        boxes.flat.fill(false);
        boxes.sharp[0] = true;
        boxes.mode = KeyMode::Major;
        ASSERT_TRUE(settings.keys.accept(boxes));
    }

    void answerRightAfter(qint64 seconds) {
        cycle.answer().sequence = slot().question.heard->answer;
        submitAfter(seconds);
    }

    // Whether each question presented since the last call began with the cadence.
    std::vector<bool> cadencesPresented() {
        std::vector<bool> cadences;
        for (const CycleView::HeardParts& parts : view.heardPlayed)
            if (parts.question && !parts.resolution)
                cadences.push_back(parts.cadence);
        view.heardPlayed.clear();
        return cadences;
    }
};

TEST_F(HeardRunTest, theCadenceIsLeftOutOnlyWhileTheKeyStaysAndTheStudentAskedForThat) {
    onlyCMajor();
    ScaleDegreeOptions& options = settings.inKey.degrees;
    options.common.tempo = 112;
    const Activity& degrees = activityNamed("scale-degrees");
    for (const bool skip : {false, true}) {
        SCOPED_TRACE(skip ? "skipping" : "always");
        options.common.skipRepeatedCadence = skip;
        for (int run = 0; run < 2; ++run) {
            startRun(degrees, Method::Practice);
            answerRightAfter(2);
            answerRightAfter(2);
            // A new run sets its key again, whatever the run before played last.
            EXPECT_EQ(cadencesPresented(), (std::vector<bool>{true, !skip, !skip}));
            EXPECT_EQ(view.heardTempo, 112);

            // The student may hear the cadence, and the question, again at any time.
            cycle.playCadence();
            cycle.playanswer();
            ASSERT_EQ(view.heardPlayed.size(), 2u);
            EXPECT_TRUE(view.heardPlayed[0].cadence && !view.heardPlayed[0].question);
            EXPECT_TRUE(view.heardPlayed[1].question && !view.heardPlayed[1].cadence);
            view.heardPlayed.clear();
            cycle.endrun();
        }
    }
}

TEST_F(HeardRunTest, theDataFileKeepsItsFormatAndRecordsNothingHeardInAKey) {
    const QByteArray before = dataFile();
    for (const char* name : {"scale-degrees", "chord-functions", "progressions", "cadences"}) {
        SCOPED_TRACE(name);
        startRun(activityNamed(name), Method::Practice);
        answerRightAfter(3);
        cycle.answer().sequence = {"nothing"};
        prompter.answerNo(); // no retry: the right answer is shown
        submitAfter(4);
        EXPECT_EQ(cycle.counters().successcount(), 1);
        EXPECT_EQ(cycle.counters().pendingcount(), 2);
        cycle.endrun();
    }
    EXPECT_EQ(dataFile(), before);
}

} // namespace
} // namespace tonalyst::test
