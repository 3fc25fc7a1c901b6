#include "theory/AnswerText.h"
#include "theory/IntervalGenerator.h"
#include "theory/WeakSpots.h"

#include "TheoryTestSupport.h"
#include "support/NamedActivity.h"

#include <gtest/gtest.h>

#include <map>

namespace tonalyst::test {
namespace {

struct Draws {
    std::map<std::string, int> items;
    std::map<std::string, int> keys;
};

Draws drawMany(const QuestionSettings& settings, ActivityState activity, const WeakSpotSchedule* favor,
               int count) {
    SeededRandomSource random(20261209);
    IntervalGenerator intervals;
    const QuestionContext context{settings, activity, random};
    Draws draws;
    for (int i = 0; i < count; ++i) {
        const DrawnQuestion drawn = drawQuestion(context, &intervals, favor);
        EXPECT_TRUE(drawn.question);
        if (!drawn.question)
            break;
        ++draws.items[weakSpotItem(activity, *drawn.question)];
        ++draws.keys[keyName(drawn.picked.tonicletter, drawn.picked.tonicaccidental, drawn.picked.keymode)];
    }
    return draws;
}

TEST(WeakSpots, AWrongAnswerPutsAnItemFirstAndRightAnswersLetItGo) {
    WeakSpotSchedule schedule;
    EXPECT_EQ(schedule.weight("a"), 1.0);
    schedule.answered("a", true);
    EXPECT_EQ(schedule.weight("a"), 1.0) << "an item never failed is not a weak spot";
    schedule.answered("a", false);
    EXPECT_GE(schedule.weight("a"), 2.0);
    const double failed = schedule.weight("a");
    schedule.answered("a", true);
    EXPECT_LT(schedule.weight("a"), failed);
    EXPECT_GT(schedule.weight("a"), 1.0);
    schedule.answered("a", false);
    EXPECT_EQ(schedule.weight("a"), failed) << "a new mistake starts it over";
    for (std::size_t i = 0; i < WeakSpotSchedule::kBoxWeights.size(); ++i)
        schedule.answered("a", true);
    EXPECT_EQ(schedule.weight("a"), 1.0);
    EXPECT_TRUE(schedule.empty());
}

TEST(WeakSpots, AFailedChordIsDrawnAtLeastTwiceAsOftenAmongTheEnabledKeysOnly) {
    QuestionSettings settings;
    ASSERT_TRUE(settings.keys.accept(onlyBoxes({0, 1, 2}, {}, KeyMode::Major)));
    const ActivityState spelling = test::activityNamed("chord-spell").settledState();
    constexpr int kDraws = 3000;
    const Draws plain = drawMany(settings, spelling, nullptr, kDraws);
    ASSERT_GE(plain.items.size(), 3u);
    // The item drawn least often, so that weighting it has room to show.
    auto rarest = plain.items.begin();
    for (auto it = plain.items.begin(); it != plain.items.end(); ++it)
        if (it->second < rarest->second)
            rarest = it;
    ASSERT_GE(rarest->second, 30) << "too rare to count on";

    WeakSpotSchedule schedule;
    schedule.answered(rarest->first, false);
    const Draws favored = drawMany(settings, spelling, &schedule, kDraws);
    EXPECT_GE(favored.items.at(rarest->first), 2 * rarest->second)
        << rarest->first << ": " << favored.items.at(rarest->first) << " against " << rarest->second;
    // Nothing the settings leave out comes in.
    for (const auto& [item, count] : favored.items)
        EXPECT_TRUE(plain.items.contains(item)) << item;
    for (const auto& [key, count] : favored.keys)
        EXPECT_TRUE(key == "C" || key == "G" || key == "D") << key;

    // Answered right once, it is drawn less often than while it was just failed.
    schedule.answered(rarest->first, true);
    const Draws fading = drawMany(settings, spelling, &schedule, kDraws);
    EXPECT_LT(fading.items.at(rarest->first), favored.items.at(rarest->first));
    EXPECT_GT(fading.items.at(rarest->first), rarest->second);
}

TEST(WeakSpots, WithoutWeakSpotsTheDrawIsUnchanged) {
    QuestionSettings settings;
    const ActivityState identify = test::activityNamed("chord-id").settledState();
    const WeakSpotSchedule nothingFailed;
    EXPECT_EQ(drawMany(settings, identify, &nothingFailed, 200).items,
              drawMany(settings, identify, nullptr, 200).items);
}

TEST(AnswerText, ARightAnswerReadsAsTheRightAnswer) {
    Question applied;
    applied.category = "V7 of";
    applied.name = "IV ";
    applied.invLabel = "first inversion";
    EXPECT_EQ(rightChoices(applied, false), "V7 of / IV (or iv)");
    EXPECT_EQ(givenChoices({"V7 of", "IV (or iv)", "root position"}, false), rightChoices(applied, false));
    EXPECT_EQ(rightChoices(applied, true), "V7 of / IV (or iv) / first inversion");

    Question interval;
    interval.category = "Unison : ";
    interval.name = "perfect";
    interval.interval = 0;
    EXPECT_EQ(givenChoices({"Unison : ", "perfect", ""}, false), rightChoices(interval, false));
    EXPECT_EQ(questionItem(interval), "perfect Unison");

    // C-sharp, E and a G written on the upper octave are judged an octave down; the
    // natural sign written on G is part of what was given.
    PreparedAnswer prepared;
    prepared.notes = {{0, 1}, {2, 0}, {4, 0, true}};
    EXPECT_EQ(rightNotes(prepared), "C#4 E4 Gn4");
    EXPECT_EQ(givenNotes({{8, Sharp}, {10, NoSign}, {12, Natural}}), rightNotes(prepared));
    EXPECT_EQ(givenNotes({{1, Sharp}, {3, NoSign}, {5, NoSign}}), "C#4 E4 G4");
    EXPECT_EQ(givenNotes({{1, DoubleFlat}, {14, DoubleSharp}}), "Cbb4 Bx5");
}

} // namespace
} // namespace tonalyst::test
