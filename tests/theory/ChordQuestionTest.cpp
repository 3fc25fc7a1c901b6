#include "TheoryTestSupport.h"
#include "support/NamedActivity.h"
#include "support/ScriptedRandom.h"
#include "theory/ChordGenerators.h"
#include "theory/QuestionMaker.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::keyFor;
using test::spelled;

const ActivityState kSpell = test::activityNamed("chord-spell").settledState();
const ActivityState kIdentify = test::activityNamed("chord-id").settledState();

QuestionSettings only(void (*tick)(ChordBoxes&), InversionOption inversions = InversionOption::Off) {
    ChordBoxes boxes;
    boxes.triads.fill(false);
    tick(boxes);
    QuestionSettings settings;
    EXPECT_EQ(settings.chords.accept(boxes), ChordRefusal::None);
    settings.inversions = inversions;
    return settings;
}

// The question asked in the key with the given draws first: category, list entry, then
// whatever the generator draws next (coin, inversion).
Question ask(CurrentKey key, const QuestionSettings& settings, const ActivityState& activity,
             std::initializer_list<double> draws) {
    test::ScriptedRandom random;
    for (double r : draws)
        random.push(r);
    std::optional<Question> question = makequestion(key, {settings, activity, random});
    EXPECT_TRUE(question.has_value());
    return question.value_or(Question{});
}

const CurrentKey kCMajor = keyFor(0, 0, KeyMode::Major);
const CurrentKey kCMinor = keyFor(0, 0, KeyMode::Minor);
const CurrentKey kGMajor = keyFor(4, 0, KeyMode::Major);

TEST(ChordQuestions, AppliedChordsInCMajorAreSpelledFromTheirTemporaryKey) {
    const auto viiOfV = only([](ChordBoxes& b) { b.appliedLeadingTones[3] = true; });
    Question q = ask(kCMajor, viiOfV, kSpell, {0.5, 0.5});
    EXPECT_EQ(spelled(q.notes), "F-sharp A C E-flat");
    EXPECT_EQ(q.name, "V  ");
    EXPECT_EQ(q.prompt, "vii-dim7 of V  ");

    const auto vOfFlat2 = only([](ChordBoxes& b) { b.appliedDominants[0] = true; });
    q = ask(kCMajor, vOfFlat2, kIdentify, {0.5, 0.5});
    EXPECT_EQ(spelled(q.notes), "A-flat C E-flat G-flat");
    EXPECT_EQ(q.category, "V7 of");
    EXPECT_EQ(q.prompt, "identify the given applied chord");
}

TEST(ChordQuestions, MajorKeyDrawsAgainPastTheMinorOnlyTarget) {
    const auto settings = only([](ChordBoxes& b) {
        b.appliedDominants[5] = true;
        b.appliedDominants[6] = true;
    });
    // The first entry drawn is "VII (minor only)"; the next draw lands on vi.
    const Question q = ask(kCMajor, settings, kSpell, {0.5, 0.9, 0.1});
    EXPECT_EQ(q.name, "vi ");
    EXPECT_EQ(spelled(q.notes), "E G-sharp B D");
    EXPECT_EQ(ask(kCMinor, settings, kSpell, {0.5, 0.9}).name, "VII");
}

TEST(ChordQuestions, AugmentedSixthsAndNeapolitanFollowTheMode) {
    const auto aug6 = only([](ChordBoxes& b) { b.augmentedSixths.fill(true); });
    EXPECT_EQ(spelled(ask(kCMajor, aug6, kSpell, {0.5, 0.1}).notes), "A-flat C F-sharp");
    EXPECT_EQ(spelled(ask(kCMajor, aug6, kSpell, {0.5, 0.5}).notes), "A-flat C D F-sharp");
    EXPECT_EQ(spelled(ask(kCMajor, aug6, kSpell, {0.5, 0.9}).notes), "A-flat C E-flat F-sharp");
    const Question german = ask(kCMinor, aug6, kSpell, {0.5, 0.9});
    EXPECT_EQ(spelled(german.notes), "A-flat C E-flat F-sharp");
    EXPECT_EQ(german.prompt, "the German augmented 6 chord ");

    const auto flat2 = only([](ChordBoxes& b) { b.neapolitan = true; });
    const Question neapolitan = ask(kCMinor, flat2, kSpell, {0.5});
    EXPECT_EQ(spelled(neapolitan.notes), "D-flat F A-flat");
    EXPECT_EQ(neapolitan.name, "");
    EXPECT_EQ(neapolitan.prompt, "the Flat-II (Neapolitan) chord ");
    EXPECT_EQ(spelled(ask(kCMajor, flat2, kSpell, {0.5}).notes), "D-flat F A-flat");
}

TEST(ChordQuestions, FirstInversionIVInCMajorIsLabelledPlainAndFigured) {
    const auto ivBasic = only([](ChordBoxes& b) { b.triads[3] = true; }, InversionOption::Basic);
    Question q = ask(kCMajor, ivBasic, kSpell, {0.5, 0.5, 0.5});
    EXPECT_EQ(q.notes, (std::vector<Pitch>{{5, 0}, {7, 0}, {10, 0}}));
    EXPECT_EQ(q.inversion, 1);
    EXPECT_EQ(q.invLabel, "(1st inversion)");
    EXPECT_EQ(q.prompt, "the IV chord   (1st inversion)");
    EXPECT_EQ(q.figLabel, "");

    const auto ivFigured = only([](ChordBoxes& b) { b.triads[3] = true; }, InversionOption::FiguredBass);
    q = ask(kCMajor, ivFigured, kSpell, {0.5, 0.5, 0.5});
    EXPECT_EQ(q.invLabel, "6-3");
    EXPECT_EQ(q.figLabel, "Triad : IV 6-3");
    EXPECT_EQ(q.prompt, "Triad : IV 6-3");

    q = ask(kCMajor, ivFigured, kIdentify, {0.5, 0.5, 0.5});
    EXPECT_EQ(q.figLabel, "Triad : IV 6-3");
    EXPECT_EQ(q.prompt, "identify the given chord");
}

TEST(ChordQuestions, FiguredNamesOfEveryCategory) {
    const auto vOfV = only([](ChordBoxes& b) { b.appliedDominants[4] = true; }, InversionOption::FiguredBass);
    Question q = ask(kGMajor, vOfV, kSpell, {0.5, 0.5, 0.6});
    EXPECT_EQ(q.figLabel, "V 6-4-3 of V  ");
    EXPECT_EQ(q.prompt, "V 6-4-3 of V  ");
    EXPECT_EQ(spelled(q.notes), "E G A C-sharp");

    const auto v7 = only([](ChordBoxes& b) { b.sevenths[3] = true; }, InversionOption::FiguredBass);
    EXPECT_EQ(ask(kCMajor, v7, kIdentify, {0.5, 0.5, 0.3}).figLabel, "Seventh :V 6-5-3");

    const auto vii =
        only([](ChordBoxes& b) { b.appliedLeadingTones[0] = true; }, InversionOption::FiguredBass);
    EXPECT_EQ(ask(kCMajor, vii, kIdentify, {0.5, 0.5, 0.9}).figLabel, "vii-dim6-4-2 of ii ");

    const auto flat2 = only([](ChordBoxes& b) { b.neapolitan = true; }, InversionOption::FiguredBass);
    EXPECT_EQ(ask(kCMajor, flat2, kIdentify, {0.5, 0.9}).figLabel, "Flat-II 6-4");

    // Never inverted, yet named in figured bass, and the spelling prompt takes that name.
    const auto aug6 = only([](ChordBoxes& b) { b.augmentedSixths[1] = true; }, InversionOption::FiguredBass);
    q = ask(kCMajor, aug6, kSpell, {0.5, 0.5});
    EXPECT_EQ(q.figLabel, "Augmented 6 : French");
    EXPECT_EQ(q.prompt, "Augmented 6 : French");
    EXPECT_EQ(q.invLabel, "");
    EXPECT_EQ(spelled(q.notes), "A-flat C D F-sharp");
}

TEST(ChordQuestions, SeventhInversionsMoveTheLowerNotesUpAnOctave) {
    const auto v7 = only([](ChordBoxes& b) { b.sevenths[3] = true; }, InversionOption::Basic);
    const Question q = ask(kCMajor, v7, kSpell, {0.5, 0.5, 0.9});
    EXPECT_EQ(q.notes, (std::vector<Pitch>{{10, 0}, {11, 0}, {13, 0}, {15, 0}}));
    EXPECT_EQ(q.invLabel, "(3rd inversion)");
    EXPECT_EQ(q.prompt, "the V7 chord   (3rd inversion)");
}

TEST(ChordQuestions, MixtureBorrowsTheMinorTonicInMajorKeys) {
    const auto tonicWithMixture = only([](ChordBoxes& b) {
        b.triads[0] = true;
        b.triadMixture = true;
    });
    const Question borrowed = ask(kCMajor, tonicWithMixture, kSpell, {0.5, 0.5, 0.7});
    EXPECT_EQ(borrowed.name, "i");
    EXPECT_EQ(spelled(borrowed.notes), "C E-flat G");
    EXPECT_EQ(borrowed.hint, "Watch for flat scale degree 3, 6 or 7");
    const Question plain = ask(kCMajor, tonicWithMixture, kSpell, {0.5, 0.5, 0.3});
    EXPECT_EQ(plain.name, "I");
    EXPECT_EQ(plain.hint, "");

    // In minor the tonic has no alternative: the coin lands on "dud" and i stays.
    const Question minor = ask(kCMinor, tonicWithMixture, kSpell, {0.5, 0.5, 0.7});
    EXPECT_EQ(minor.name, "i");
    EXPECT_EQ(spelled(minor.notes), "C E-flat G");
}

TEST(ChordQuestions, MinorKeysRaiseTheLeadingNoteForVEvenWithoutMixture) {
    const auto dominant = only([](ChordBoxes& b) { b.triads[4] = true; });
    const Question raised = ask(kCMinor, dominant, kSpell, {0.5, 0.5, 0.7});
    EXPECT_EQ(raised.name, "V");
    EXPECT_EQ(spelled(raised.notes), "G B D");
    EXPECT_EQ(raised.hint, "Watch for raised scale degree 3, 6 or 7");
    EXPECT_EQ(ask(kCMinor, dominant, kSpell, {0.5, 0.5, 0.3}).name, "v");
    // No coin in a major key without mixture: the next draw is not consumed.
    EXPECT_EQ(ask(kCMajor, dominant, kSpell, {0.5, 0.5, 0.7}).name, "V");
}

TEST(ChordQuestions, BorrowedSeventhsAlterTheScaleTheirNameNeeds) {
    const auto all = only([](ChordBoxes& b) {
        b.sevenths.fill(true);
        b.seventhMixture = true;
    });
    // iv7 in C major: F A-flat C E-flat.
    Question q = ask(kCMajor, all, kSpell, {0.5, 0.45, 0.7});
    EXPECT_EQ(q.name, "iv7");
    EXPECT_EQ(spelled(q.notes), "F A-flat C E-flat");
    // vii-dim7 in C minor: B D F A-flat.
    q = ask(kCMinor, all, kSpell, {0.5, 0.9, 0.7});
    EXPECT_EQ(q.name, "vii-dim7");
    EXPECT_EQ(spelled(q.notes), "B D F A-flat");
    EXPECT_EQ(q.hint, "Watch for raised scale degree 6 or 7");
}

TEST(ChordQuestions, KeySignatureQuestionNamesTheKeyAndItsMode) {
    QuestionSettings settings;
    const auto keysig = test::activityNamed("keysig").settledState();
    CurrentKey eFlat = keyFor(2, -1, KeyMode::Major);
    eFlat.keyname = "E-flat";
    Question q = ask(eFlat, settings, keysig, {0.5, 0.9});
    EXPECT_EQ(q.category, "major :");
    EXPECT_EQ(q.name, "E-flat");
    EXPECT_EQ(q.prompt, "identify the given MAJOR key");
    EXPECT_EQ(spelled(q.notes), "E-flat G B-flat");

    CurrentKey c = keyFor(0, 0, KeyMode::Minor);
    c.keyname = "c";
    q = ask(c, settings, keysig, {0.5, 0.9});
    EXPECT_EQ(q.category, "minor :");
    EXPECT_EQ(q.name, "c");
    EXPECT_EQ(q.prompt, "identify the given MINOR key");
}

TEST(ChordQuestions, CategoriesAreDrawnInProportionToTheirTickedChords) {
    const auto settings = only([](ChordBoxes& b) {
        b.triads.fill(true);
        b.neapolitan = true;
    });
    SeededRandomSource random(11);
    const int draws = 40000;
    int neapolitans = 0;
    for (int i = 0; i < draws; ++i) {
        CurrentKey key = kCMajor;
        const std::optional<Question> q = makequestion(key, {settings, kSpell, random});
        neapolitans += q && q->category == "Flat-II (Neapolitan)" ? 1 : 0;
    }
    // 1/8 expected; the tolerance is over five standard deviations.
    EXPECT_NEAR(static_cast<double>(neapolitans) / draws, 0.125, 0.009);
}

TEST(ChordQuestions, EarTrainingWithBothAsksTriadsAndSeventhsEvenly) {
    QuestionSettings settings;
    settings.earTrainingChords = EarTrainingChords::Both;
    const auto ear = test::activityNamed("chord-ear").settledState();
    SeededRandomSource random(5);
    int triads = 0;
    const int draws = 20000;
    for (int i = 0; i < draws; ++i) {
        CurrentKey key = kCMajor;
        triads += makequestion(key, {settings, ear, random})->category == "Triad :" ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(triads) / draws, 0.5, 0.02);
}

TEST(ChordQuestions, APendingActivitySwitchSplitsTheRulesBetweenSelectedAndCurrent) {
    const auto iv = only([](ChordBoxes& b) { b.triads[3] = true; }, InversionOption::Basic);
    // Identification in effect, spelling chosen for later: the prompt follows the current
    // activity, the inversion text the selected one.
    ActivityState switching{test::activityNamed("chord-spell").traits(),
                            test::activityNamed("chord-id").traits()};
    Question q = ask(kCMajor, iv, switching, {0.5, 0.5, 0.5});
    EXPECT_EQ(q.prompt, "identify the given chord  (1st inversion)");

    // Key signatures chosen while chords are still asked: the triad drawn is the tonic.
    switching = {test::activityNamed("keysig").traits(), test::activityNamed("chord-id").traits()};
    q = ask(kCMajor, iv, switching, {0.5, 0.5, 0.0});
    EXPECT_EQ(q.name, "I");
    EXPECT_EQ(q.category, "Triad :");

    // An interval activity chosen: the next question is an interval one.
    switching = {test::activityNamed("interval-spell").traits(), test::activityNamed("chord-spell").traits()};
    SeededRandomSource random(1);
    CurrentKey key = kCMajor;
    EXPECT_FALSE(makequestion(key, {iv, switching, random}).has_value());
}

class ScriptedIntervals final : public IntervalQuestionMaker {
public:
    explicit ScriptedIntervals(std::vector<Question> questions) : m_questions(std::move(questions)) {}
    Question makeIntervalQuestion(CurrentKey& key, const QuestionContext&) override {
        key.scaleacc[0] += 1; // a maker may alter the key; each draw must start afresh
        const Question q = m_questions[std::min(m_calls, m_questions.size() - 1)];
        ++m_calls;
        return q;
    }
    std::size_t calls() const { return m_calls; }

private:
    std::vector<Question> m_questions;
    std::size_t m_calls = 0;
};

Question interval(Pitch lower, Pitch upper) {
    Question q;
    q.notes = {lower, upper};
    return q;
}

TEST(ChordQuestions, IntervalActivitiesNeedAnIntervalMaker) {
    QuestionSettings settings;
    const auto intervals = test::activityNamed("interval-spell").settledState();
    SeededRandomSource random(1);
    CurrentKey key = kCMajor;
    EXPECT_FALSE(makequestion(key, {settings, intervals, random}).has_value());

    ScriptedIntervals maker({interval({0, 0}, {4, 0})});
    const std::optional<Question> q = makequestion(key, {settings, intervals, random}, &maker);
    ASSERT_TRUE(q.has_value());
    EXPECT_EQ(spelled(q->notes), "C G");
}

TEST(ChordQuestions, AQuestionWithANoteTheStaffCannotHoldIsDrawnAgain) {
    QuestionSettings settings;
    const auto intervals = test::activityNamed("interval-id").settledState();
    SeededRandomSource random(1);
    CurrentKey key = kCMajor;

    // E double sharp, then F double flat, then a writable one.
    ScriptedIntervals maker({interval({0, 0}, {2, 2}), interval({0, 0}, {3, -2}), interval({0, 0}, {2, 1})});
    const std::optional<Question> q = makequestion(key, {settings, intervals, random}, &maker);
    ASSERT_TRUE(q.has_value());
    EXPECT_EQ(spelled(q->notes), "C E-sharp");
    EXPECT_EQ(maker.calls(), 3u);
    EXPECT_EQ(key.scaleacc[0], kCMajor.scaleacc[0] + 1);

    ScriptedIntervals hopeless({interval({0, 0}, {6, 3})});
    key = kCMajor;
    EXPECT_FALSE(makequestion(key, {settings, intervals, random}, &hopeless).has_value());
    EXPECT_EQ(hopeless.calls(), static_cast<std::size_t>(kWritableAttempts));
    EXPECT_EQ(key.scaleacc, kCMajor.scaleacc);
}

} // namespace
} // namespace tonalyst
