#include "TheoryTestSupport.h"
#include "support/NamedActivity.h"
#include "support/ScriptedRandom.h"
#include "theory/AnswerMenus.h"
#include "theory/EarTrainingQuality.h"
#include "theory/IntervalCatalogue.h"
#include "theory/IntervalGenerator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tonalyst {
namespace {

using test::keyFor;
using test::semitones;

const ActivityState kChordEar = test::activityNamed("chord-ear").settledState();
const ActivityState kIntervalEar = test::activityNamed("interval-ear").settledState();

std::vector<int> shape(const Question& q) {
    std::vector<int> gaps;
    for (std::size_t i = 1; i < q.notes.size(); ++i)
        gaps.push_back(semitones(q.notes[i]) - semitones(q.notes[i - 1]));
    return gaps;
}

// Semitones between neighbouring notes, by quality caption.
const std::map<std::string, std::vector<int>> kTriadShapes{
    {"diminished", {3, 3}}, {"minor", {3, 4}}, {"major", {4, 3}}, {"augmented", {4, 4}}};
const std::map<std::string, std::vector<int>> kSeventhShapes{{"diminished", {3, 3, 3}},
                                                             {"half-diminished", {3, 3, 4}},
                                                             {"minor", {3, 4, 3}},
                                                             {"dominant (major-minor)", {4, 3, 3}},
                                                             {"major", {4, 3, 4}}};

std::vector<CurrentKey> majorKeys() {
    std::vector<CurrentKey> keys;
    for (const CurrentKey& key : test::allKeys())
        if (key.keymode == KeyMode::Major)
            keys.push_back(key);
    return keys;
}

// The base chord of the kind asked for: the draws pick the category, list entry and
// kind (triad below 0.5) as makequestion reads them.
Question baseChord(const CurrentKey& picked, bool triad) {
    QuestionSettings settings;
    settings.earTrainingChords = triad ? EarTrainingChords::Triads : EarTrainingChords::Sevenths;
    test::ScriptedRandom random;
    CurrentKey key = picked;
    std::optional<Question> q = makequestion(key, {settings, kChordEar, random});
    EXPECT_TRUE(q.has_value());
    return q.value_or(Question{});
}

TEST(EarTraining, EveryQualityHasItsSemitonePatternInEveryKey) {
    std::set<std::string> unwritable;
    for (const CurrentKey& key : majorKeys()) {
        for (const bool triad : {true, false}) {
            const Question base = baseChord(key, triad);
            const auto& shapes = triad ? kTriadShapes : kSeventhShapes;
            for (const ChordQuality& quality : triad ? std::span<const ChordQuality>(kTriadQualities)
                                                     : std::span<const ChordQuality>(kSeventhQualities)) {
                Question q = base;
                applyChordQuality(q, quality);
                EXPECT_EQ(q.name, quality.caption);
                EXPECT_EQ(shape(q), shapes.at(std::string(quality.caption))) << test::spelled(q.notes);
                EXPECT_EQ(q.notes.front(), base.notes.front()) << "the root stays";
                if (!isWritable(q))
                    unwritable.insert(std::string(quality.caption) + " " + base.category + " on " +
                                      noteName(q.notes.front()));
            }
        }
    }
    // The one chord of the ear-training qualities that the staff cannot hold: C double flat.
    EXPECT_EQ(unwritable, std::set<std::string>{"diminished Seventh : on D-flat"});
}

TEST(EarTraining, TheQualityIndexIsDrawnAsTheUsualIntOfNTimesR) {
    const Question base = baseChord(keyFor(0, 0, KeyMode::Major), true);
    for (const auto& [r, caption] : std::vector<std::pair<double, std::string>>{
             {0.0, "diminished"}, {0.3, "minor"}, {0.6, "major"}, {0.99, "augmented"}}) {
        test::ScriptedRandom random;
        random.push(r);
        Question q = base;
        ASSERT_TRUE(drawEarTrainingQuality(q, random));
        EXPECT_EQ(q.name, caption) << r;
    }
}

TEST(EarTraining, NoDiminishedSeventhChordIsAskedOnCFlatOrInCFlatMajor) {
    // Built on a C-flat root the diminished seventh needs a triple flat.
    Question cFlatSeventh;
    cFlatSeventh.category = "Seventh :";
    // The minor seventh chord on C-flat: C-flat, E double flat, G-flat, B double flat.
    cFlatSeventh.notes = {{0, -1}, {2, -2}, {4, -1}, {6, -2}};
    SeededRandomSource random(9);
    for (int i = 0; i < 200; ++i) {
        Question q = cFlatSeventh;
        ASSERT_TRUE(drawEarTrainingQuality(q, random));
        EXPECT_NE(q.name, "diminished");
    }

    QuestionSettings settings;
    KeyBoxes boxes;
    boxes.sharp.fill(false);
    boxes.flat.fill(false);
    boxes.flat[6] = true; // C-flat / a-flat
    ASSERT_TRUE(settings.keys.accept(boxes));
    settings.earTrainingChords = EarTrainingChords::Sevenths;
    std::set<std::string> asked;
    for (int i = 0; i < 500; ++i) {
        CurrentKey key = pickkey({settings, kChordEar, random});
        const std::optional<Question> q =
            makeEarTrainingQuestion(key, {settings, kChordEar, random}, nullptr);
        ASSERT_TRUE(q.has_value());
        EXPECT_TRUE(isWritable(*q)) << test::spelled(q->notes);
        asked.insert(q->name);
    }
    EXPECT_EQ(asked, (std::set<std::string>{"half-diminished", "minor", "dominant (major-minor)", "major"}));
}

TEST(EarTraining, BothAsksTriadsAndSeventhsWithEqualChanceAndEveryQualityEvenly) {
    QuestionSettings settings;
    settings.earTrainingChords = EarTrainingChords::Both;
    SeededRandomSource random(2026);
    IntervalGenerator intervals;
    std::map<std::string, int> counts;
    const int draws = 20000;
    for (int i = 0; i < draws; ++i) {
        CurrentKey key = pickkey({settings, kChordEar, random});
        const std::optional<Question> q =
            makeEarTrainingQuestion(key, {settings, kChordEar, random}, &intervals);
        ASSERT_TRUE(q.has_value());
        ++counts[q->category];
        ++counts[q->category + " " + q->name];
        EXPECT_EQ(shape(*q), (q->category == "Triad :" ? kTriadShapes : kSeventhShapes).at(q->name));
    }
    // Binomial standard deviations: 0.0035 for a half, 0.0061 for a quarter of 10000,
    // 0.0057 for a fifth; the tolerances are over four of them.
    EXPECT_NEAR(counts["Triad :"] / double(draws), 0.5, 0.015);
    for (std::string_view quality : mnutriet)
        EXPECT_NEAR(counts["Triad : " + std::string(quality)] / double(counts["Triad :"]), 0.25, 0.025)
            << quality;
    for (std::string_view quality : mnusevet)
        EXPECT_NEAR(counts["Seventh : " + std::string(quality)] / double(counts["Seventh :"]), 0.2, 0.025)
            << quality;
}

TEST(EarTraining, IntervalEarTrainingAsksOnlyCommonIntervalsEvenWithAdvancedSelected) {
    QuestionSettings settings;
    settings.intervalType = IntervalType::Advanced;
    SeededRandomSource random(12);
    IntervalGenerator intervals;
    std::set<int> asked;
    for (int i = 0; i < 3000; ++i) {
        CurrentKey key = pickkey({settings, kIntervalEar, random});
        const std::optional<Question> q =
            makeEarTrainingQuestion(key, {settings, kIntervalEar, random}, &intervals);
        ASSERT_TRUE(q.has_value());
        ASSERT_TRUE(q->interval.has_value());
        EXPECT_FALSE(kIntervals[static_cast<std::size_t>(*q->interval)].advanced)
            << q->name << " " << q->category;
        EXPECT_EQ(q->prompt, "identify the given interval");
        asked.insert(*q->interval);
    }
    EXPECT_EQ(asked.size(), 12u);
}

} // namespace
} // namespace tonalyst
