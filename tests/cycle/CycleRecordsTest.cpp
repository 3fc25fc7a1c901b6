#include "CycleFixture.h"

namespace tonalyst::test {
namespace {

using CycleRecords = CycleFixture;

// Only E-flat major, the key with three flats.
void onlyEFlatMajor(QuestionSettings& settings) {
    KeyBoxes keys;
    keys.sharp.fill(false);
    keys.flat.fill(false);
    keys.flat[2] = true;
    keys.mode = KeyMode::Major;
    ASSERT_TRUE(settings.keys.accept(keys));
}

TEST_F(CycleRecords, aRecordIsWrittenFieldByField) {
    onlyEFlatMajor(settings);
    clock.set(QDateTime(QDate(1998, 5, 12), QTime(10, 0, 0)));
    startRun(activityNamed("chord-spell"), Method::Test);
    answerRight();
    submitAfter(12);
    clock.advanceSeconds(1);
    answerWrong();
    submitAfter(2);
    cycle.endrun();
    EXPECT_EQ(dataFile(), QByteArray("\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n"
                                     "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",3,0,3\r\n"));
    EXPECT_TRUE(cycle.pending().empty());
    EXPECT_TRUE(prompter.texts().filter(QStringLiteral("Unauthorized")).isEmpty());
}

TEST_F(CycleRecords, aRunPastMidnightIsDatedByItsEnd) {
    onlyEFlatMajor(settings);
    settings.inversions = InversionOption::Basic;
    clock.set(QDateTime(QDate(1998, 5, 11), QTime(23, 59, 30)));
    startRun(activityNamed("chord-id"), Method::Practice);
    answerRight();
    submitAfter(20);
    answerRight();
    submitAfter(40);
    cycle.endrun();
    EXPECT_EQ(dataFile(),
              QByteArray("\"AB\",#1998-05-12#,\"practice\",\"identify\",\"0\",\"Triad :\",20,1,3\r\n"
                         "\"AB\",#1998-05-12#,\"practice\",\"identify\",\"0\",\"Triad :\",40,1,3\r\n"));
}

TEST_F(CycleRecords, aRefusedWriteIsToldAndTheRunsRecordsAreNotKeptForTheNext) {
    startRun(activityNamed("chord-spell"), Method::Practice);
    answerRight();
    submitAfter(2);
    // Another program touches the data file.
    {
        QFile file(records.dataFilePath());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("edited\r\n");
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime));
    }
    cycle.endrun();
    EXPECT_TRUE(prompter.lastText().startsWith(QStringLiteral("Unauthorized modification")))
        << prompter.lastText().toStdString();
    EXPECT_TRUE(cycle.pending().empty());
}

TEST_F(CycleRecords, answersWithinTheirQuestionsSecondKeepThePreviousScore) {
    startRun(activityNamed("chord-spell"), Method::Practice);
    answerRight();
    submitAfter(0);
    ASSERT_TRUE(view.status);
    EXPECT_FALSE(view.status->score) << "no score from an average of 0 seconds";
    EXPECT_EQ(view.status->timePerQuestion, QStringLiteral(" 0 sec"));
    answerRight();
    submitAfter(4);
    EXPECT_EQ(view.status->score, QStringLiteral(" 5000"));
    answerRight();
    submitAfter(0);
    EXPECT_EQ(view.status->timePerQuestion, QStringLiteral(" 1 sec"));
    EXPECT_EQ(view.status->score, QStringLiteral(" 10000"));
}

void onlyCMajor(QuestionSettings& settings) {
    KeyBoxes keys;
    keys.sharp.fill(false);
    keys.flat.fill(false);
    keys.sharp[0] = true;
    keys.mode = KeyMode::Major;
    ASSERT_TRUE(settings.keys.accept(keys));
}

// A fixed interval in C major: E above C, or C below E.
class FixedInterval final : public IntervalQuestionMaker {
public:
    explicit FixedInterval(IntervalDirection direction) : m_direction(direction) {}
    Question makeIntervalQuestion(CurrentKey& key, const QuestionContext&) override {
        Question q;
        q.category = "Third :";
        q.name = "major";
        q.prompt = "identify the given interval";
        q.notes = {{0, 0}, {2, 0}};
        q.sigCount = key.sigCount;
        q.direction = m_direction;
        return q;
    }

private:
    IntervalDirection m_direction;
};

TEST_F(CycleRecords, intervalEarTrainingIsRecordedAsEarTrainingOfAnInterval) {
    onlyCMajor(settings);
    FixedInterval below(IntervalDirection::Below);
    QuestionCycle intervals{state, settings, view, {clock, prompter, random}, records, &below};
    state.selected = state.current = &activityNamed("interval-ear");
    intervals.start();
    EXPECT_EQ(view.prompt1, QString()) << "ear training shows no question line";
    ASSERT_EQ(view.entered.size(), 1u);
    EXPECT_EQ(view.entered[0], (std::vector<WrittenNote>{{3, NoSign}, {1, NoSign}}))
        << "the upper note first";
    EXPECT_FALSE(state.directionAbove);

    intervals.playanswer();
    ASSERT_EQ(view.played.size(), 1u) << "Repeat Tones";
    EXPECT_EQ(view.played[0], (std::vector<WrittenNote>{{3, NoSign}, {1, NoSign}}));

    intervals.answer() = {"Third :", "major", ""};
    clock.advanceSeconds(6);
    intervals.questionstep();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Good work: hit OK for next question"));
    EXPECT_EQ(view.played.size(), 2u);
    intervals.endrun();
    EXPECT_TRUE(dataFile().endsWith("\"practice\",\"eartraining\",\"-1\",\"interval\",6,1,0\r\n"))
        << dataFile().toStdString();
}

TEST_F(CycleRecords, intervalSpellingGivesTheReferenceNote) {
    onlyCMajor(settings);
    FixedInterval above(IntervalDirection::Above);
    QuestionCycle intervals{state, settings, view, {clock, prompter, random}, records, &above};
    state.selected = state.current = &activityNamed("interval-spell");
    intervals.start();
    ASSERT_EQ(view.entered.size(), 1u);
    EXPECT_EQ(view.entered[0], (std::vector<WrittenNote>{{1, NoSign}}));
    EXPECT_EQ(view.noteLimit, 2);
    EXPECT_EQ(view.prompt2.left(7), QStringLiteral("enter  "));
}

} // namespace
} // namespace tonalyst::test
