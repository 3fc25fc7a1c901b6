#include "theory/KeyPicker.h"
#include "TheoryTestSupport.h"
#include "support/NamedActivity.h"
#include "support/ScriptedRandom.h"
#include "theory/KeySignatureGlyphs.h"

#include <gtest/gtest.h>

#include <map>

namespace tonalyst {
namespace {

using test::keyFor;
using test::onlyBoxes;
using test::semitones;

std::vector<Pitch> scaleOf(const CurrentKey& key) {
    std::vector<Pitch> notes;
    for (std::size_t d = 0; d < 7; ++d)
        notes.push_back({key.scaleletter[d], key.scaleacc[d]});
    return notes;
}

TEST(Scales, ExtremeKeysAreSpelledWithTheirWholeSignature) {
    EXPECT_EQ(test::spelled(scaleOf(keyFor(0, -1, KeyMode::Major))),
              "C-flat D-flat E-flat F-flat G-flat A-flat B-flat");
    EXPECT_EQ(test::spelled(scaleOf(keyFor(0, 1, KeyMode::Major))),
              "C-sharp D-sharp E-sharp F-sharp G-sharp A-sharp B-sharp");
    EXPECT_EQ(test::spelled(scaleOf(keyFor(5, 1, KeyMode::Minor))),
              "A-sharp B-sharp C-sharp D-sharp E-sharp F-sharp G-sharp");
    EXPECT_EQ(test::spelled(scaleOf(keyFor(2, -1, KeyMode::Major))), "E-flat F G A-flat B-flat C D");
}

TEST(Scales, LetterStepsRunUpwardsThroughFourOctavesWithoutWrapping) {
    const CurrentKey b = keyFor(6, 0, KeyMode::Major);
    for (std::size_t e = 0; e < 28; ++e) {
        EXPECT_EQ(b.scaleletter[e], 6 + static_cast<int>(e));
        EXPECT_EQ(b.scaleacc[e], b.scaleacc[e % 7]);
        EXPECT_EQ(b.keysigacc[e], b.scaleacc[e]);
    }
}

TEST(Scales, EveryKeyHasTheStepsOfItsModeAndOneNoteOfEachLetter) {
    const std::vector<int> major{2, 2, 1, 2, 2, 2};
    const std::vector<int> minor{2, 1, 2, 2, 1, 2};
    for (const CurrentKey& key : test::allKeys()) {
        const auto notes = scaleOf(key);
        const auto& steps = key.keymode == KeyMode::Minor ? minor : major;
        for (std::size_t d = 1; d < 7; ++d) {
            EXPECT_EQ(semitones(notes[d]) - semitones(notes[d - 1]), steps[d - 1]) << test::spelled(notes);
            EXPECT_EQ(notes[d].step, notes[d - 1].step + 1);
            EXPECT_TRUE(isWritable(notes[d]));
        }
    }
}

TEST(Scales, KeySignaturesAddSharpsAndFlatsInTheirWrittenOrder) {
    for (std::size_t i = 0; i < kMajorSharpKeys.size(); ++i) {
        const CurrentKey key =
            keyFor(kMajorSharpKeys[i].letter, kMajorSharpKeys[i].accidental, KeyMode::Major);
        for (std::size_t d = 0; d < 7; ++d) {
            const int letter = Pitch{key.scaleletter[d]}.letter();
            const auto order =
                std::find(kSharpOrder.begin(), kSharpOrder.end(), letter) - kSharpOrder.begin();
            EXPECT_EQ(key.keysigacc[d], order < static_cast<long>(i) ? 1 : 0) << i << " sharps";
        }
    }
    for (std::size_t i = 0; i < kMinorFlatKeys.size(); ++i) {
        const CurrentKey key = keyFor(kMinorFlatKeys[i].letter, kMinorFlatKeys[i].accidental, KeyMode::Minor);
        for (std::size_t d = 0; d < 7; ++d) {
            const int letter = Pitch{key.scaleletter[d]}.letter();
            const auto order = std::find(kFlatOrder.begin(), kFlatOrder.end(), letter) - kFlatOrder.begin();
            EXPECT_EQ(key.keysigacc[d], order <= static_cast<long>(i) ? -1 : 0) << i + 1 << " flats";
        }
    }
    EXPECT_EQ(signatureGlyphX(0), 600);
    EXPECT_EQ(signatureGlyphX(6), 1320);
}

QuestionSettings withKeys(std::initializer_list<int> sharp, std::initializer_list<int> flat, KeyMode mode) {
    QuestionSettings settings;
    EXPECT_TRUE(settings.keys.accept(onlyBoxes(sharp, flat, mode)));
    return settings;
}

const ActivityState kSpell = test::activityNamed("chord-spell").settledState();

std::map<std::string, double> keyShares(const QuestionSettings& settings, const ActivityState& activity,
                                        int draws) {
    SeededRandomSource random(42);
    std::map<std::string, double> shares;
    for (int i = 0; i < draws; ++i) {
        const CurrentKey key = pickkey({settings, activity, random});
        shares[keyName(key.tonicletter, key.tonicaccidental, key.keymode)] += 1.0 / draws;
    }
    return shares;
}

TEST(KeyPicker, BothModesWithOneBoxAskMajorAndMinorEqually) {
    const auto shares = keyShares(withKeys({0}, {}, KeyMode::MajorMinor), kSpell, 20000);
    ASSERT_EQ(shares.size(), 2u);
    EXPECT_NEAR(shares.at("C"), 0.5, 0.02);
    EXPECT_NEAR(shares.at("a"), 0.5, 0.02);
}

TEST(KeyPicker, BothModesWithThreeBoxesMakeEveryKeyEquallyLikely) {
    const auto shares = keyShares(withKeys({0, 7}, {2}, KeyMode::MajorMinor), kSpell, 30000);
    ASSERT_EQ(shares.size(), 6u);
    for (const auto& [name, share] : shares)
        EXPECT_NEAR(share, 1.0 / 6, 0.02) << name;
}

TEST(KeyPicker, MajorModeAsksOnlyMajorKeys) {
    const auto shares = keyShares(withKeys({1}, {0}, KeyMode::Major), kSpell, 2000);
    EXPECT_EQ(shares.size(), 2u);
    EXPECT_TRUE(shares.count("G") && shares.count("F"));
}

TEST(KeyPicker, ChordQuestionsGetAKeyLineAndTheSignature) {
    test::ScriptedRandom random;
    random.push(0.9); // the flat-side key of the two
    const auto settings = withKeys({2}, {0}, KeyMode::Minor);
    const CurrentKey key = pickkey({settings, kSpell, random});
    EXPECT_EQ(key.keyText, "  In the key of d minor");
    EXPECT_EQ(key.keymode, KeyMode::Minor);
    EXPECT_EQ(key.sigKind, SignatureKind::Flat);
    EXPECT_EQ(key.sigCount, 1);
    EXPECT_EQ(key.keyname, "");
}

TEST(KeyPicker, KeySignatureQuestionsNameTheKeyInsteadOfWritingIt) {
    test::ScriptedRandom random;
    random.push(0.9);
    const auto settings = withKeys({0}, {3}, KeyMode::Major);
    const auto keysig = test::activityNamed("keysig").settledState();
    const CurrentKey key = pickkey({settings, keysig, random});
    EXPECT_EQ(key.keyname, "A-flat");
    EXPECT_EQ(key.keyText, "");
    EXPECT_EQ(key.sigCount, 4);
    EXPECT_EQ(key.sigKind, SignatureKind::Flat);
}

TEST(KeyPicker, EarTrainingAndIntervalsUseMajorScalesButKeepTheSettingsMode) {
    const auto settings = withKeys({0, 3}, {}, KeyMode::Minor);
    for (const ActivityState activity : {test::activityNamed("chord-ear").settledState(),
                                         test::activityNamed("interval-spell").settledState()}) {
        SeededRandomSource random(3);
        for (int i = 0; i < 50; ++i) {
            const CurrentKey key = pickkey({settings, activity, random});
            EXPECT_EQ(key.keymode, KeyMode::Minor);
            EXPECT_EQ(semitones({key.scaleletter[2], key.scaleacc[2]}) -
                          semitones({key.scaleletter[0], key.scaleacc[0]}),
                      4)
                << "the third is major";
        }
    }
    // Intervals write no key line; ear training writes the major key it was drawn in.
    SeededRandomSource random(3);
    EXPECT_EQ(pickkey({settings, test::activityNamed("interval-id").settledState(), random}).keyText, "");
    test::ScriptedRandom first;
    first.push(0.1);
    EXPECT_EQ(pickkey({settings, test::activityNamed("chord-ear").settledState(), first}).keyText,
              "  In the key of C major");
}

TEST(KeyPicker, AllPossibleNotesNeverDrawsATonicB) {
    QuestionSettings settings;
    settings.intervalNotes = IntervalNotes::AllNotes;
    const auto intervals = test::activityNamed("interval-spell").settledState();
    SeededRandomSource random(8);
    std::map<std::pair<int, int>, int> seen;
    for (int i = 0; i < 5000; ++i) {
        const CurrentKey key = pickkey({settings, intervals, random});
        ++seen[{key.tonicletter, key.tonicaccidental}];
    }
    EXPECT_EQ(seen.size(), 18u); // C..A, each flat, natural and sharp
    for (const auto& [tonic, count] : seen) {
        EXPECT_LT(tonic.first, 6);
        EXPECT_GE(tonic.second, -1);
        EXPECT_LE(tonic.second, 1);
    }
}

} // namespace
} // namespace tonalyst
