// Every key with every chord the settings can enable, in every alternation and inversion:
// each chord must be what its name says, and writable on the staff.
#include "TheoryTestSupport.h"
#include "support/ChordSweep.h"
#include "support/NamedActivity.h"
#include "support/ScriptedRandom.h"
#include "theory/ChordNames.h"
#include "theory/QuestionMaker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace tonalyst {
namespace {

using test::everyChordBoxes;
using test::sweepChordQuestions;

using test::allKeys;
using test::semitones;

int mod(int value, int n) {
    return ((value % n) + n) % n;
}

// Semitones above the tonic of the chord's root, by the chord's name in each mode.
const std::map<std::string, int> kMajorRoots{{"I", 0},
                                             {"ii", 2},
                                             {"iii", 4},
                                             {"IV", 5},
                                             {"V", 7},
                                             {"vi", 9},
                                             {"vii-dim", 11},
                                             {"i", 0},
                                             {"ii-dim", 2},
                                             {"Flat-III", 3},
                                             {"iv", 5},
                                             {"v", 7},
                                             {"Flat-VI", 8},
                                             {"Flat-VII", 10},
                                             {"ii7", 2},
                                             {"iii7", 4},
                                             {"IV-maj7", 5},
                                             {"V7", 7},
                                             {"vi7", 9},
                                             {"vii-half-dim7", 11},
                                             {"ii-half-dim7", 2},
                                             {"iv7", 5},
                                             {"v7", 7},
                                             {"vii-dim7", 11}};
const std::map<std::string, int> kMinorRoots{
    {"i", 0},        {"ii-dim", 2},       {"III", 3},      {"iv", 5},  {"v", 7},        {"VI", 8},
    {"VII", 10},     {"ii", 2},           {"III-aug", 3},  {"IV", 5},  {"V", 7},        {"vi-dim", 9},
    {"vii-dim", 11}, {"ii-half-dim7", 2}, {"III-maj7", 3}, {"iv7", 5}, {"v7", 7},       {"VI-maj7", 8},
    {"VII7", 10},    {"ii7", 2},          {"IV7", 5},      {"V7", 7},  {"vii-dim7", 11}};

// Semitones between neighbouring notes of the chord in root position, by its name.
std::vector<int> expectedShape(const Question& q) {
    const std::string& n = q.name;
    if (q.category == kVofCategory)
        return {4, 3, 3};
    if (q.category == kViiofCategory)
        return {3, 3, 3};
    if (q.category == kFlat2Category)
        return {4, 3};
    if (q.category == kAug6Category)
        return n == "Italian"  ? std::vector<int>{4, 6}
               : n == "French" ? std::vector<int>{4, 2, 4}
                               : std::vector<int>{4, 3, 3};
    if (q.category == kSeventhCategory) {
        if (n == "vii-dim7")
            return {3, 3, 3};
        if (n.find("half-dim7") != std::string::npos)
            return {3, 3, 4};
        if (n.find("maj7") != std::string::npos)
            return {4, 3, 4};
        if (n == "V7" || n == "VII7" || n == "IV7")
            return {4, 3, 3};
        return {3, 4, 3};
    }
    if (n.find("-dim") != std::string::npos)
        return {3, 3};
    if (n == "III-aug")
        return {4, 4};
    const char numeral = n.back();
    return numeral == 'I' || numeral == 'V' ? std::vector<int>{4, 3} : std::vector<int>{3, 4};
}

// Scale degree of an applied chord's target, by its name.
int targetDegree(const std::string& name) {
    const std::string head = name.substr(0, 3);
    static const std::map<std::string, int> degrees{{"Fla", 1}, {"ii ", 1}, {"iii", 2},
                                                    {"III", 2}, {"IV ", 3}, {"V  ", 4},
                                                    {"vi ", 5}, {"VI ", 5}, {"VII", 6}};
    return degrees.at(head);
}

// What is wrong with the chord, or "" when it is the chord its name says.
std::string chordProblem(const Question& q, const CurrentKey& key) {
    // Back to root position.
    std::vector<Pitch> notes = q.notes;
    const int v = q.inversion;
    std::rotate(notes.begin(), notes.end() - v, notes.end());
    for (int i = 0; i < v; ++i)
        notes[static_cast<std::size_t>(i)].step -= 7;

    const std::vector<int> shape = expectedShape(q);
    if (shape.size() + 1 != notes.size())
        return "wrong number of notes";
    const bool aug6 = q.category == kAug6Category;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (semitones(notes[i + 1]) - semitones(notes[i]) != shape[i])
            return "interval " + std::to_string(i + 1) + " is not " + std::to_string(shape[i]) + " semitones";
        if (!aug6 && notes[i + 1].step - notes[i].step != 2)
            return "not stacked in thirds";
    }
    if (aug6 && notes.back().step - notes.front().step != 5)
        return "no augmented sixth between the outer notes";

    const int tonic = semitones({key.scaleletter[0], key.keysigacc[0]});
    const int root = semitones(notes.front());
    int expectedRoot = 0;
    if (q.category == kVofCategory || q.category == kViiofCategory) {
        const int degree = targetDegree(q.name);
        const int target = semitones({key.scaleletter[static_cast<std::size_t>(degree)],
                                      key.keysigacc[static_cast<std::size_t>(degree)]}) -
                           (q.name == "Flat-II" ? 1 : 0);
        expectedRoot = q.category == kVofCategory ? target + 7 : target - 1;
    } else if (q.category == kFlat2Category) {
        expectedRoot = tonic + 1;
    } else if (aug6) {
        expectedRoot = tonic + 8;
    } else {
        const auto& roots = key.keymode == KeyMode::Minor ? kMinorRoots : kMajorRoots;
        expectedRoot = tonic + roots.at(q.name);
    }
    if (mod(root - expectedRoot, 12) != 0)
        return "root is not where the name puts it";
    return {};
}

std::string describe(const Question& q, const CurrentKey& key) {
    return key.keyText + " / " + q.category + " " + q.name + " " + q.invLabel + ": " + test::spelled(q.notes);
}

TEST(ChordSweep, EveryChordInEveryKeyIsTheChordItsNameSays) {
    std::set<std::string> problems;
    std::set<std::string> chordsSeen;
    sweepChordQuestions(
        test::activityNamed("chord-spell").settledState(), [&](const Question& q, const CurrentKey& key) {
            chordsSeen.insert(std::string(keyModeCode(key.keymode)) + q.category + q.name + q.invLabel);
            const std::string problem = chordProblem(q, key);
            if (!problem.empty())
                problems.insert(describe(q, key) + " -- " + problem);
        });
    // Each mode's chords, alternatives included, in each inversion: triads 14 + 13,
    // sevenths 10 + 10, V7 of 6 + 7, vii-dim7 of 5 + 6, Neapolitans 1 + 1, augmented sixths 3 + 3.
    EXPECT_EQ(chordsSeen.size(), 3u * 27 + 4u * 20 + 4u * 13 + 4u * 11 + 3u * 2 + 6u);
    for (const std::string& problem : problems)
        ADD_FAILURE() << problem;
}

TEST(ChordSweep, NoChordAsksForANoteTheStaffCannotHold) {
    std::set<std::string> problems;
    sweepChordQuestions(test::activityNamed("chord-id").settledState(),
                        [&](const Question& q, const CurrentKey& key) {
                            for (const Pitch& note : q.notes)
                                if (!isWritable(note))
                                    problems.insert(describe(q, key) + " -- " + noteName(note));
                        });
    for (const std::string& problem : problems)
        ADD_FAILURE() << problem;
}

// The staff shows letter steps 0..13 once the lowest note is brought into the lowest
// octave (a lowest C-flat goes up an octave), and holds no sharp on its top B and no
// flat on its bottom C.
bool fitsOnStaff(std::vector<Pitch> notes) {
    for (int i = 0; i < 3 && notes.front().step > 6; ++i)
        for (Pitch& note : notes)
            note.step -= 7;
    if (notes.front().step == 0 && notes.front().alter == -1)
        for (Pitch& note : notes)
            note.step += 7;
    return std::all_of(notes.begin(), notes.end(), [](const Pitch& n) {
        return n.step >= 0 && n.step <= 13 && !(n.step == 13 && n.alter > 0) && !(n.step == 0 && n.alter < 0);
    });
}

TEST(ChordSweep, EveryChordFitsOnTheStaffOnceBroughtDownToTheLowestOctave) {
    std::set<std::string> problems;
    sweepChordQuestions(test::activityNamed("chord-spell").settledState(),
                        [&](const Question& q, const CurrentKey& key) {
                            if (!fitsOnStaff(q.notes))
                                problems.insert(describe(q, key));
                        });
    for (const std::string& problem : problems)
        ADD_FAILURE() << problem;
}

TEST(ChordSweep, EarTrainingBaseChordsAreTheMajorTonicTriadAndTheMinorSeventhOnTheSecondDegree) {
    QuestionSettings settings;
    settings.earTrainingChords = EarTrainingChords::Both;
    settings.chords.accept(everyChordBoxes());
    const auto activity = test::activityNamed("chord-ear").settledState();
    for (const CurrentKey& picked : allKeys()) {
        if (picked.keymode != KeyMode::Major)
            continue;
        // The scale is major whatever mode the key settings keep.
        for (const KeyMode keyMode : {KeyMode::Major, KeyMode::Minor, KeyMode::MajorMinor}) {
            for (const double kind : {0.2, 0.7}) {
                test::ScriptedRandom random;
                random.push(0.99);
                random.push(kind);
                random.push(0.9);
                random.push(0.9);
                CurrentKey key = picked;
                key.keymode = keyMode;
                const std::optional<Question> q = makequestion(key, {settings, activity, random});
                ASSERT_TRUE(q.has_value());
                const bool triad = kind < 0.5;
                EXPECT_EQ(q->category, triad ? "Triad :" : "Seventh :");
                const std::vector<int> shape = triad ? std::vector<int>{4, 3} : std::vector<int>{3, 4, 3};
                ASSERT_EQ(q->notes.size(), shape.size() + 1);
                EXPECT_EQ(q->notes.front(),
                          (Pitch{picked.scaleletter[triad ? 0u : 1u], picked.scaleacc[triad ? 0u : 1u]}));
                for (std::size_t i = 0; i < shape.size(); ++i)
                    EXPECT_EQ(semitones(q->notes[i + 1]) - semitones(q->notes[i]), shape[i])
                        << test::spelled(q->notes);
                EXPECT_TRUE(isWritable(*q)) << test::spelled(q->notes);
                EXPECT_TRUE(q->invLabel.empty());
            }
        }
    }
}

TEST(ChordSweep, KeySignatureQuestionsNameTheKeyOverItsTonicTriad) {
    QuestionSettings settings;
    ChordBoxes boxes;
    boxes.triadMixture = true;
    settings.chords.accept(boxes);
    settings.inversions = InversionOption::FiguredBass;
    const auto activity = test::activityNamed("keysig").settledState();
    for (const CurrentKey& picked : allKeys()) {
        for (const double coin : {0.2, 0.7}) {
            test::ScriptedRandom random;
            random.push(0.5);
            random.push(0.5);
            random.push(coin);
            CurrentKey key = picked;
            key.keyname = keyName(key.tonicletter, key.tonicaccidental, key.keymode);
            const std::optional<Question> q = makequestion(key, {settings, activity, random});
            ASSERT_TRUE(q.has_value());
            EXPECT_EQ(q->category, picked.keymode == KeyMode::Minor ? "minor :" : "major :");
            EXPECT_EQ(q->name, key.keyname);
            ASSERT_EQ(q->notes.size(), 3u);
            EXPECT_EQ(q->notes.front(), (Pitch{picked.scaleletter[0], picked.scaleacc[0]}));
            EXPECT_TRUE(isWritable(*q));
            EXPECT_TRUE(q->invLabel.empty());
            EXPECT_TRUE(q->figLabel.empty());
        }
    }
}

} // namespace
} // namespace tonalyst
