#include "TheoryTestSupport.h"
#include "support/NamedActivity.h"
#include "support/ScriptedRandom.h"
#include "theory/AnswerMenus.h"
#include "theory/IntervalCatalogue.h"
#include "theory/IntervalGenerator.h"
#include "theory/IntervalRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tonalyst {
namespace {

using test::keyFor;
using test::semitones;

const ActivityState kIntSpell = test::activityNamed("interval-spell").settledState();
const ActivityState kIntId = test::activityNamed("interval-id").settledState();
const ActivityState kIntEar = test::activityNamed("interval-ear").settledState();

QuestionSettings intervalSettings(IntervalType type, IntervalNotes notes = IntervalNotes::ChosenKeys) {
    QuestionSettings settings;
    settings.intervalType = type;
    settings.intervalNotes = notes;
    return settings;
}

// Every major tonic an interval question can stand on: the fifteen major keys and the
// C..A with flat, natural or sharp of "all possible notes".
std::vector<CurrentKey> intervalTonics() {
    std::vector<CurrentKey> keys;
    for (const CurrentKey& key : test::allKeys())
        if (key.keymode == KeyMode::Major)
            keys.push_back(key);
    for (int letter = 0; letter < 6; ++letter)
        for (int accidental = -1; accidental <= 1; ++accidental)
            keys.push_back(keyFor(letter, accidental, KeyMode::Major));
    return keys;
}

// The interval question whose draws pick entry `slot` of the askable list and the direction.
Question draw(const CurrentKey& key, const QuestionSettings& settings, const ActivityState& activity,
              std::size_t slot, IntervalDirection direction) {
    test::ScriptedRandom random;
    const auto size = askableIntervals(key, {settings, activity, random}).size();
    random.push((static_cast<double>(slot) + 0.5) / static_cast<double>(size));
    random.push(direction == IntervalDirection::Above ? 0.25 : 0.75);
    return pickinterval(key, {settings, activity, random});
}

std::set<int> drawnIntervals(const QuestionSettings& settings, const ActivityState& activity, int draws) {
    SeededRandomSource random(31);
    IntervalGenerator generator;
    std::set<int> seen;
    for (int i = 0; i < draws; ++i) {
        CurrentKey key = pickkey({settings, activity, random});
        const std::optional<Question> q = makequestion(key, {settings, activity, random}, &generator);
        EXPECT_TRUE(q.has_value());
        if (q)
            seen.insert(q->interval.value_or(-1));
    }
    return seen;
}

std::set<int> numbers(bool advancedToo, bool diminishedFifth) {
    std::set<int> expected;
    for (int n = 1; n < 20; ++n)
        if ((advancedToo || !kIntervals[static_cast<std::size_t>(n)].advanced) &&
            (diminishedFifth || n != kDiminishedFifth))
            expected.insert(n);
    return expected;
}

TEST(IntervalQuestions, EveryCatalogueIntervalIsInTheAnswerMenuAndMarkedAdvancedThere) {
    int advanced = 0;
    for (const IntervalEntry& entry : kIntervals) {
        const auto type =
            std::find_if(mnuintervaltype.begin(), mnuintervaltype.end(),
                         [&](std::string_view c) { return c.substr(0, entry.name.size()) == entry.name; });
        ASSERT_NE(type, mnuintervaltype.end()) << entry.name;
        const IntervalQualityMenu menu =
            intervalQualityMenu(static_cast<int>(type - mnuintervaltype.begin()));
        const auto quality = std::find(menu.captions.begin(), menu.captions.end(), entry.quality);
        ASSERT_NE(quality, menu.captions.end()) << entry.name << " " << entry.quality;
        const int index = static_cast<int>(quality - menu.captions.begin());
        EXPECT_EQ(isAdvancedIntervalItem(menu.menu, index), entry.advanced) << entry.shortName;
        advanced += entry.advanced ? 1 : 0;
    }
    EXPECT_EQ(advanced, 7);
    EXPECT_EQ(mnuintervaltype[0], "Unison : ");
}

TEST(IntervalQuestions, CommonIntervalsLeaveOutTheAdvancedOnesButAskTheDiminishedFifth) {
    EXPECT_EQ(drawnIntervals(intervalSettings(IntervalType::Common), kIntId, 3000), numbers(false, true));
    EXPECT_EQ(drawnIntervals(intervalSettings(IntervalType::Advanced), kIntSpell, 6000), numbers(true, true));
}

TEST(IntervalQuestions, EarTrainingNeverAsksAnAdvancedIntervalWhateverTheSettings) {
    EXPECT_EQ(drawnIntervals(intervalSettings(IntervalType::Advanced), kIntEar, 3000), numbers(false, true));
}

TEST(IntervalQuestions, AllPossibleNotesNeverAsksTheDiminishedFifth) {
    EXPECT_EQ(drawnIntervals(intervalSettings(IntervalType::Common, IntervalNotes::AllNotes), kIntId, 3000),
              numbers(false, false));
}

TEST(IntervalQuestions, NoUnisonEverAndNoOctaveAboveCFlatOrBSharp) {
    const QuestionSettings settings = intervalSettings(IntervalType::Advanced);
    for (const CurrentKey& key : intervalTonics())
        EXPECT_FALSE(isAllowedInterval(kUnison, intervalTonic(key), settings, kIntSpell));
    EXPECT_FALSE(isAllowedInterval(kOctave, {0, -1}, settings, kIntSpell));
    EXPECT_FALSE(isAllowedInterval(kOctave, {7, -1}, settings, kIntSpell));
    EXPECT_FALSE(isAllowedInterval(kOctave, {6, 1}, settings, kIntSpell));
    EXPECT_TRUE(isAllowedInterval(kOctave, {0, 0}, settings, kIntSpell));
    EXPECT_TRUE(isAllowedInterval(kOctave, {6, -1}, settings, kIntSpell));
    EXPECT_TRUE(isAllowedInterval(kOctave, {6, 0}, settings, kIntSpell));
}

TEST(IntervalQuestions, EveryIntervalHasItsLetterDistanceAndSemitonesInEveryKeyAndDirection) {
    static constexpr int kSemitones[20]{0, 1, 2, 3, 2, 3, 4, 4, 5, 6, 6, 7, 8, 8, 9, 10, 9, 10, 11, 12};
    const QuestionSettings settings = intervalSettings(IntervalType::Advanced);
    std::set<int> seen;
    for (const CurrentKey& key : intervalTonics()) {
        test::ScriptedRandom unused;
        const std::size_t count = askableIntervals(key, {settings, kIntSpell, unused}).size();
        for (std::size_t slot = 0; slot < count; ++slot) {
            for (const IntervalDirection direction : {IntervalDirection::Above, IntervalDirection::Below}) {
                const Question q = draw(key, settings, kIntSpell, slot, direction);
                ASSERT_TRUE(q.interval.has_value());
                const IntervalEntry& entry = kIntervals[static_cast<std::size_t>(*q.interval)];
                ASSERT_EQ(q.notes.size(), 2u);
                EXPECT_EQ(q.direction, direction);
                EXPECT_EQ(q.notes[0], intervalTonic(key));
                EXPECT_EQ(q.notes[1].step - q.notes[0].step, entry.steps) << test::spelled(q.notes);
                EXPECT_EQ(semitones(q.notes[1]) - semitones(q.notes[0]), kSemitones[*q.interval])
                    << entry.quality << " " << entry.name << " " << test::spelled(q.notes);
                EXPECT_EQ(q.category, entry.name);
                EXPECT_EQ(q.name, entry.quality);
                seen.insert(*q.interval);
            }
        }
    }
    EXPECT_EQ(seen, numbers(true, true));
}

TEST(IntervalQuestions, NoIntervalWithANoteTheStaffCannotHoldIsAsked) {
    // Each way the interval settings can stand, with the tonics it draws from.
    std::vector<CurrentKey> majorKeys;
    for (const CurrentKey& key : test::allKeys())
        if (key.keymode == KeyMode::Major)
            majorKeys.push_back(key);
    const std::vector<CurrentKey> allTonics = intervalTonics();
    struct Setting {
        QuestionSettings settings;
        const std::vector<CurrentKey>* tonics;
    };
    const std::vector<Setting> settingsInUse{
        {intervalSettings(IntervalType::Common), &majorKeys},
        {intervalSettings(IntervalType::Advanced), &majorKeys},
        {intervalSettings(IntervalType::Common, IntervalNotes::AllNotes), &allTonics},
    };
    std::set<std::string> dropped;
    for (const Setting& setting : settingsInUse) {
        for (const ActivityState& activity : {kIntSpell, kIntId, kIntEar}) {
            test::ScriptedRandom unused;
            const QuestionContext context{setting.settings, activity, unused};
            for (const CurrentKey& key : *setting.tonics) {
                for (const int n : askableIntervals(key, context))
                    EXPECT_TRUE(isWritable(intervalAbove(key, n)))
                        << kIntervals[static_cast<std::size_t>(n)].shortName << " above "
                        << noteName(intervalTonic(key));
                for (const int n : allowedIntervals(key, context))
                    if (!isWritable(intervalAbove(key, n)))
                        dropped.insert(std::string(kIntervals[static_cast<std::size_t>(n)].shortName) +
                                       " above " + noteName(intervalTonic(key)));
            }
        }
    }
    // Triple flats, and double flats on C or F.
    EXPECT_EQ(dropped,
              (std::set<std::string>{"dim-3 above A-flat", "dim-3 above C-flat", "dim-3 above D-flat",
                                     "dim-3 above G-flat", "dim-4 above C-flat", "dim-4 above G-flat",
                                     "dim-7 above C-flat", "dim-7 above D-flat", "dim-7 above G-flat"}));

    // Drawn many times in G-flat major, the advanced intervals that are left still come up.
    const QuestionSettings advanced = intervalSettings(IntervalType::Advanced);
    SeededRandomSource random(4);
    IntervalGenerator generator;
    std::set<std::string> asked;
    for (int i = 0; i < 2000; ++i) {
        CurrentKey key = keyFor(4, -1, KeyMode::Major);
        const std::optional<Question> q = makequestion(key, {advanced, kIntId, random}, &generator);
        ASSERT_TRUE(q.has_value());
        EXPECT_TRUE(isWritable(*q)) << test::spelled(q->notes);
        asked.insert(q->name + " " + q->category);
    }
    EXPECT_EQ(asked.size(), 16u); // 19 less the diminished third, fourth and seventh
    EXPECT_EQ(asked.count("diminished Seventh :"), 0u);
}

TEST(IntervalQuestions, ATonicNoKeyHasGivesNoQuestionRatherThanAnUnwritableOne) {
    const QuestionSettings settings = intervalSettings(IntervalType::Common);
    SeededRandomSource random(1);
    IntervalGenerator generator;
    CurrentKey key = keyFor(0, 3, KeyMode::Major); // C triple sharp
    EXPECT_FALSE(makequestion(key, {settings, kIntId, random}, &generator).has_value());
}

TEST(IntervalQuestions, SpellingTextNamesTheGivenNoteAndBelowExpectsTheLowerNote) {
    const QuestionSettings settings = intervalSettings(IntervalType::Advanced);
    const CurrentKey eFlat = keyFor(2, -1, KeyMode::Major);
    const auto slotOf = [&](const CurrentKey& key, int number) {
        test::ScriptedRandom unused;
        const std::vector<int> askable = askableIntervals(key, {settings, kIntSpell, unused});
        return static_cast<std::size_t>(std::find(askable.begin(), askable.end(), number) - askable.begin());
    };

    Question q = draw(eFlat, settings, kIntSpell, slotOf(eFlat, 6), IntervalDirection::Above);
    EXPECT_EQ(q.prompt, "major Third : above E-flat");
    EXPECT_EQ(test::spelled(q.notes), "E-flat G");

    // Below: the upper note is given, the lower one is what the student writes.
    q = draw(eFlat, settings, kIntSpell, slotOf(eFlat, 6), IntervalDirection::Below);
    EXPECT_EQ(q.prompt, "major Third : below G ");
    EXPECT_EQ(q.direction, IntervalDirection::Below);
    EXPECT_EQ(q.notes.front(), (Pitch{2, -1}));

    // The second of B major carries a sharp; the minor second takes it off.
    const CurrentKey b = keyFor(6, 0, KeyMode::Major);
    q = draw(b, settings, kIntSpell, slotOf(b, 1), IntervalDirection::Below);
    EXPECT_EQ(q.prompt, "minor Second : below C ");
    EXPECT_EQ(q.notes.back(), (Pitch{7, 0}));

    const CurrentKey c = keyFor(0, 0, KeyMode::Major);
    q = draw(c, settings, kIntSpell, slotOf(c, 16), IntervalDirection::Below);
    EXPECT_EQ(q.prompt, "diminished Seventh : below B-dblFlat");
    EXPECT_EQ(q.notes.back(), (Pitch{6, -2}));
    const CurrentKey fSharp = keyFor(3, 1, KeyMode::Major);
    q = draw(fSharp, settings, kIntSpell, slotOf(fSharp, 9), IntervalDirection::Above);
    EXPECT_EQ(q.prompt, "augmented Fourth : above F-sharp ");
    EXPECT_EQ(test::spelled(q.notes), "F-sharp B-sharp");

    q = draw(c, settings, kIntId, slotOf(c, 11), IntervalDirection::Below);
    EXPECT_EQ(q.prompt, "identify the given interval");
}

TEST(IntervalQuestions, TheQuestionCarriesTheKeysEmptyKeyLineAndSignature) {
    QuestionSettings settings;
    KeyBoxes boxes;
    boxes.sharp.fill(false);
    boxes.flat.fill(false);
    boxes.flat[2] = true; // E-flat / c
    boxes.mode = KeyMode::MajorMinor;
    ASSERT_TRUE(settings.keys.accept(boxes));
    SeededRandomSource random(6);
    IntervalGenerator generator;
    for (int i = 0; i < 50; ++i) {
        CurrentKey key = pickkey({settings, kIntId, random});
        const std::optional<Question> q = makequestion(key, {settings, kIntId, random}, &generator);
        ASSERT_TRUE(q.has_value());
        EXPECT_EQ(q->notes.front(), (Pitch{2, -1})) << "the tonic of E-flat major, not c minor";
        EXPECT_EQ(q->keyText, "");
        EXPECT_EQ(q->sigCount, 3);
        EXPECT_EQ(q->sigKind, SignatureKind::Flat);
    }
}

} // namespace
} // namespace tonalyst
