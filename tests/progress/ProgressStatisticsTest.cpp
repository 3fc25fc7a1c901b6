#include "ProgressTestKit.h"
#include "progress/ProgressStatistics.h"
#include "activities/ActivityRegistry.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::answerOn;
using test::identification;
using test::spelling;

constexpr int kKeySignatureId = 0;
constexpr int kChordSpelling = 3;
constexpr int kChordId = 4;
constexpr int kChordEarTraining = 5;
constexpr int kIntervalEarTraining = 6;

const QDate kMonday(2026, 11, 2);

ProgressQuery days(QDate first, QDate last) {
    return {first, last, QTimeZone::utc()};
}

TEST(ProgressStatistics, followsPracticeAndTestApartDayByDay) {
    std::vector<AnswerRecord> records{
        answerOn(kMonday, "spell", true, 10),         answerOn(kMonday, "spell", false, 20),
        answerOn(kMonday, "spell", true, 6, "test"),  answerOn(kMonday.addDays(2), "spell", false, 30),
        answerOn(kMonday, "intid", true, 4),
    };
    // A retry is an answer, but the question was counted with its first answer.
    AnswerRecord retry = answerOn(kMonday, "spell", true, 50);
    retry.attempt = 2;
    retry.inDataFile = false;
    records.push_back(retry);
    // A summary brought in from the data file counts like any question.
    AnswerRecord imported = answerOn(kMonday.addDays(2), "spell", true, 10);
    imported.imported = true;
    records.push_back(imported);

    const ProgressStatistics statistics = computeProgress(records, days(kMonday, kMonday.addDays(6)));
    EXPECT_EQ(statistics.step, TrendStep::Day);
    const ActivityProgress& spell = statistics.activities[kChordSpelling];
    EXPECT_EQ(spell.answers, 6);
    ASSERT_EQ(spell.practice.size(), 2u);
    EXPECT_EQ(spell.practice[0].start, kMonday);
    EXPECT_EQ(spell.practice[0].questions, 2);
    EXPECT_DOUBLE_EQ(spell.practice[0].successPercent(), 50.0);
    EXPECT_DOUBLE_EQ(spell.practice[0].secondsPerQuestion(), 15.0);
    EXPECT_EQ(spell.practice[1].start, kMonday.addDays(2));
    EXPECT_DOUBLE_EQ(spell.practice[1].successPercent(), 50.0);
    EXPECT_DOUBLE_EQ(spell.practice[1].secondsPerQuestion(), 20.0);
    ASSERT_EQ(spell.test.size(), 1u);
    EXPECT_DOUBLE_EQ(spell.test[0].successPercent(), 100.0);
    EXPECT_EQ(statistics.activities[2].practice.size(), 1u);
    EXPECT_EQ(statistics.activities[kChordId].answers, 0);
}

TEST(ProgressStatistics, longerPeriodsGoWeekByWeekFromMonday) {
    const QDate sunday = kMonday.addDays(6);
    const std::vector<AnswerRecord> records{answerOn(kMonday, "spell", true), answerOn(sunday, "spell", false),
                                            answerOn(sunday.addDays(1), "spell", true)};
    const ProgressStatistics statistics = computeProgress(records, days(kMonday.addDays(-40), sunday.addDays(3)));
    EXPECT_EQ(statistics.step, TrendStep::Week);
    const auto& points = statistics.activities[kChordSpelling].practice;
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].start, kMonday);
    EXPECT_EQ(points[0].questions, 2);
    EXPECT_EQ(points[1].start, kMonday.addDays(7));
    // Thirty-one days still go day by day.
    EXPECT_EQ(computeProgress(records, days(kMonday, kMonday.addDays(30))).step, TrendStep::Day);
}

TEST(ProgressStatistics, countsAnswersOnTheStudentsOwnDaysWithinThePeriod) {
    // 23:00 UTC on Monday is already Tuesday two hours east.
    const std::vector<AnswerRecord> records{answerOn(kMonday, "spell", true, 10, "practice", 23),
                                            answerOn(kMonday.addDays(-1), "spell", true),
                                            answerOn(kMonday.addDays(3), "spell", true)};
    const ProgressQuery east{kMonday, kMonday.addDays(2), QTimeZone(2 * 3600)};
    const ProgressStatistics statistics = computeProgress(records, east);
    const auto& points = statistics.activities[kChordSpelling].practice;
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].start, kMonday.addDays(1));
    EXPECT_EQ(answersWithin(records, east).size(), 1u);

    // Without a first day the period starts with the first answer.
    const ProgressStatistics all = computeProgress(records, {QDate(), kMonday.addDays(10), QTimeZone::utc()});
    EXPECT_EQ(all.first, kMonday.addDays(-1));
    EXPECT_EQ(all.activities[kChordSpelling].answers, 3);
    EXPECT_EQ(answersWithin(records, {QDate(), kMonday, QTimeZone::utc()}).size(), 2u);
}

TEST(ProgressStatistics, anEmptyHistoryHasNoPeriodAndNoFigures) {
    const ProgressStatistics statistics = computeProgress({}, {QDate(), kMonday, QTimeZone::utc()});
    EXPECT_FALSE(statistics.first.isValid());
    EXPECT_EQ(statistics.activities[kChordSpelling].answers, 0);
}

TEST(ProgressStatistics, weakSpotsPutTheLowestSuccessRateFirstWithTheirCounts) {
    std::vector<AnswerRecord> records;
    auto add = [&](const char* category, const char* item, const char* key, bool correct) {
        AnswerRecord record = answerOn(kMonday, "identify", correct);
        record.category = QString::fromLatin1(category);
        record.item = QString::fromLatin1(item);
        record.key = QString::fromLatin1(key);
        records.push_back(record);
    };
    for (int i = 0; i < 4; ++i)
        add("Augmented 6 :", "German", "E-flat major", i == 0);  // 1 of 4 right
    for (int i = 0; i < 10; ++i)
        add("V7 of", "V  (or v)", "C major", i >= 5);         // 5 of 10 right
    add("Triad :", "I", "C major", true);                    // never wrong: no weak spot

    const ProgressStatistics statistics = computeProgress(records, days(kMonday, kMonday));
    const auto& spots = statistics.activities[kChordId].weakSpots;
    std::vector<QString> seen;
    for (const WeakSpot& spot : spots)
        seen.push_back(QStringLiteral("%1 %2 %3/%4").arg(spot.kind, spot.name).arg(spot.errors).arg(spot.answers));
    EXPECT_EQ(seen, (std::vector<QString>{
                        QStringLiteral("Category Augmented 6 3/4"), QStringLiteral("Chord German 3/4"),
                        QStringLiteral("Key E-flat major 3/4"), QStringLiteral("Category V7 of 5/10"),
                        QStringLiteral("Chord V (or v) 5/10"), QStringLiteral("Key C major 5/11")}));
    EXPECT_DOUBLE_EQ(spots[0].successPercent(), 25.0);
}

TEST(ProgressStatistics, weakSpotsOfTheSameRateShowTheMostErrorsFirstAndCountImportsByCategory) {
    std::vector<AnswerRecord> records;
    for (int i = 0; i < 6; ++i) {
        AnswerRecord record = answerOn(kMonday, "keysigid", i % 2 == 0);
        record.item = QStringLiteral("E-flat");
        record.key = QStringLiteral("E-flat");
        records.push_back(record);
    }
    for (int i = 0; i < 2; ++i) {
        AnswerRecord record = answerOn(kMonday, "keysigid", i == 0);
        record.item = QStringLiteral("A");
        records.push_back(record);
    }
    AnswerRecord imported = answerOn(kMonday, "keysigid", false);
    imported.imported = true;
    imported.category = QStringLiteral("Triad :");
    records.push_back(imported);

    const ProgressStatistics statistics = computeProgress(records, days(kMonday, kMonday));
    const auto& spots = statistics.activities[kKeySignatureId].weakSpots;
    ASSERT_EQ(spots.size(), 3u);
    EXPECT_EQ(spots[0].name, QStringLiteral("Triad"));
    // The key of a key signature question is its item: counted once, not twice.
    EXPECT_EQ(spots[1].name, QStringLiteral("E-flat"));
    EXPECT_EQ(spots[1].kind, QStringLiteral("Key"));
    EXPECT_EQ(spots[1].answers, 6);
    EXPECT_EQ(spots[2].name, QStringLiteral("A"));
}

TEST(ProgressStatistics, confusionsSayWhichRightAnswerWasGivenAsWhatOutOfHowMany) {
    const QString german = QStringLiteral("Augmented 6 : / German");
    std::vector<AnswerRecord> records;
    for (int i = 0; i < 7; ++i)
        records.push_back(identification(kMonday, german, QStringLiteral("Augmented 6 : / Italian")));
    for (int i = 0; i < 2; ++i)
        records.push_back(identification(kMonday, german, QStringLiteral("Augmented 6 : / French")));
    for (int i = 0; i < 10; ++i)
        records.push_back(identification(kMonday, german, german));
    records.push_back(identification(kMonday, QStringLiteral("Triad : / ii"), QStringLiteral("Seventh : / ii7")));
    // An imported summary has no answer to tell.
    AnswerRecord imported = identification(kMonday, german, QStringLiteral("Augmented 6 : / Italian"));
    imported.imported = true;
    records.push_back(imported);

    const ProgressStatistics statistics = computeProgress(records, days(kMonday, kMonday));
    const auto& confusions = statistics.activities[kChordId].confusions;
    ASSERT_EQ(confusions.size(), 3u);
    EXPECT_EQ(confusions[0].text(), QStringLiteral("Augmented 6 German answered as Italian: 7 of 19"));
    EXPECT_EQ(confusions[1].text(), QStringLiteral("Augmented 6 German answered as French: 2 of 19"));
    EXPECT_EQ(confusions[2].text(), QStringLiteral("Triad ii answered as Seventh ii7: 1 of 1"));
    EXPECT_TRUE(statistics.activities[kChordId].mistakes.empty());
}

// An answer heard in a key, as the history keeps it: the names joined by ", ".
AnswerRecord heard(const char* activity, const QString& right, const QString& given, int attempt = 1) {
    AnswerRecord record = answerOn(kMonday, activity, right == given);
    record.inDataFile = false;
    record.category = QStringLiteral("major");
    record.key = QStringLiteral("D major");
    record.item = right;
    record.right = right;
    record.given = given;
    record.attempt = attempt;
    return record;
}

// The Progress index of the activity keeping answers under this code, or -1.
int progressIndexOf(const char* code) {
    const Activity* activity = activityOfRecord(code, "major");
    return activity ? activityIndex(*activity) : -1;
}

TEST(ProgressStatistics, answersHeardInAKeyCountEachNameAtItsPlaceAndEachQuestionOnce) {
    const int degrees = progressIndexOf("scaledegree");
    const int progressions = progressIndexOf("progression");
    if (degrees < 0 || progressions < 0)
        GTEST_SKIP() << "the Scale Degrees and Progressions activities are not registered";
    std::vector<AnswerRecord> records;
    for (int i = 0; i < 12; ++i)
        records.push_back(
            heard("scaledegree", QStringLiteral("♭6"), i < 7 ? QStringLiteral("5") : QStringLiteral("♭6")));
    const QString cadential = QStringLiteral("I, vi, IV, V");
    records.push_back(heard("progression", cadential, QStringLiteral("I, IV, IV, V")));
    // A practice retry counts as an answer, not as another question.
    records.push_back(heard("progression", cadential, QStringLiteral("I, IV, IV, V"), 2));
    records.push_back(heard("progression", QStringLiteral("I, IV, V, I"), QStringLiteral("I, IV, V, I")));
    // Names left out were heard as nothing.
    records.push_back(heard("progression", QStringLiteral("I, ii, V, I"), QStringLiteral("I, IV")));

    const ProgressStatistics statistics = computeProgress(records, days(kMonday, kMonday));
    const ActivityProgress& degreeFigures = statistics.activities[static_cast<std::size_t>(degrees)];
    ASSERT_EQ(degreeFigures.confusions.size(), 1u);
    EXPECT_EQ(degreeFigures.confusions[0].text(), QStringLiteral("♭6 heard as 5: 7 of 12"));

    const ActivityProgress& figures = statistics.activities[static_cast<std::size_t>(progressions)];
    EXPECT_EQ(figures.answers, 4);
    ASSERT_EQ(figures.practice.size(), 1u);
    EXPECT_EQ(figures.practice[0].questions, 3);
    EXPECT_EQ(figures.practice[0].right, 1);
    QStringList confusions;
    for (const Confusion& confusion : figures.confusions)
        confusions << confusion.text();
    EXPECT_EQ(confusions, (QStringList{QStringLiteral("vi heard as IV: 2 of 2"),
                                       QStringLiteral("I heard as nothing: 1 of 6"),
                                       QStringLiteral("V heard as nothing: 1 of 4"),
                                       QStringLiteral("ii heard as IV: 1 of 1")}));
    QStringList spots;
    for (const WeakSpot& spot : figures.weakSpots)
        if (spot.kind != QLatin1String("Category") && spot.kind != QLatin1String("Key"))
            spots << QStringLiteral("%1 %2/%3").arg(spot.name).arg(spot.errors).arg(spot.answers);
    EXPECT_EQ(spots, (QStringList{QStringLiteral("vi 2/2"), QStringLiteral("ii 1/1"), QStringLiteral("V 1/4"),
                                  QStringLiteral("I 1/6")}));
}

TEST(ProgressStatistics, earTrainingIsSplitIntoChordsAndIntervalsByCategory) {
    AnswerRecord chord = answerOn(kMonday, "eartraining", false);
    chord.category = QStringLiteral("Triad :");
    chord.right = QStringLiteral("Triad : / minor");
    chord.given = QStringLiteral("Triad : / major");
    AnswerRecord interval = answerOn(kMonday, "eartraining", true);
    interval.category = QStringLiteral("interval");
    const std::vector<AnswerRecord> records{chord, interval, answerOn(kMonday, "review", false)};
    const ProgressStatistics statistics = computeProgress(records, days(kMonday, kMonday));
    EXPECT_EQ(statistics.activities[kChordEarTraining].answers, 1);
    EXPECT_EQ(statistics.activities[kIntervalEarTraining].answers, 1);
    ASSERT_EQ(statistics.activities[kChordEarTraining].confusions.size(), 1u);
    EXPECT_EQ(statistics.activities[kChordEarTraining].confusions[0].text(),
              QStringLiteral("Triad minor answered as major: 1 of 1"));
}

TEST(ProgressStatistics, spellingMistakesAreCountedByKindAndInstance) {
    std::vector<AnswerRecord> records;
    for (int i = 0; i < 3; ++i)
        records.push_back(spelling(kMonday, QStringLiteral("E4 G#4 B4"), QStringLiteral("E4 Ab4 B4")));
    records.push_back(spelling(kMonday, QStringLiteral("C4 Eb4 G4"), QStringLiteral("C4 E4")));
    records.push_back(spelling(kMonday, QStringLiteral("C4 E4 G4"), QStringLiteral("C4 E4 G4")));
    AnswerRecord imported = spelling(kMonday, QStringLiteral("C4 E4 G4"), QString());
    imported.correct = false;
    imported.imported = true;
    records.push_back(imported);

    const ProgressStatistics statistics = computeProgress(records, days(kMonday, kMonday));
    const auto& mistakes = statistics.activities[kChordSpelling].mistakes;
    ASSERT_EQ(mistakes.size(), 3u);
    EXPECT_EQ(mistakes[0].kind, SpellingErrorKind::Enharmonic);
    EXPECT_EQ(mistakes[0].detail, QStringLiteral("A-flat for G-sharp"));
    EXPECT_EQ(mistakes[0].count, 3);
    EXPECT_EQ(mistakes[1].count + mistakes[2].count, 2);
    EXPECT_TRUE(statistics.activities[kChordSpelling].confusions.empty());
}

TEST(ProgressStatistics, readableAnswersDropTheMenusPunctuationAndPadding) {
    EXPECT_EQ(readableAnswer(QStringLiteral("V7 of / V  (or v) / (1st inversion)")),
              QStringLiteral("V7 of V (or v) (1st inversion)"));
    EXPECT_EQ(readableAnswer(QStringLiteral("major : / E-flat")), QStringLiteral("major E-flat"));
    EXPECT_EQ(readableAnswer(QStringLiteral("Second : / minor")), QStringLiteral("Second minor"));
}

} // namespace
} // namespace tonalyst
