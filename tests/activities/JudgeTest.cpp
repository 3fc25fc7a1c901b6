#include "activities/ActivityRegistry.h"
#include "support/NamedActivity.h"
#include "support/ScriptedRandom.h"
#include "theory/ChordNames.h"
#include "theory/QuestionMaker.h"
#include "theory/TheoryTestSupport.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::activityNamed;
using test::keyFor;

const ActivityState kSpell = activityNamed("chord-spell").settledState();

Question chord(std::vector<Pitch> notes, std::string category = std::string(kTriadCategory),
               std::string name = {}) {
    Question q;
    q.notes = std::move(notes);
    q.category = std::move(category);
    q.name = std::move(name);
    return q;
}

int spell(const Question& q, const CurrentKey& key, std::vector<WrittenNote> staff) {
    const PreparedAnswer prepared = prepareanswer(q, key, kSpell);
    RecordedAnswer recorded;
    return activityNamed("chord-spell").judge(q, prepared, false, {{}, std::move(staff)}, recorded, false);
}

int identify(const Question& q, AnswerParts answer, bool inversionList = false,
             const Activity& activity = activityNamed("chord-id")) {
    const PreparedAnswer prepared = prepareanswer(q, keyFor(0, 0, KeyMode::Major), activity.settledState());
    RecordedAnswer recorded;
    return activity.judge(q, prepared, inversionList, {std::move(answer), {}}, recorded, false);
}

// F, A-flat, C: the ii chord of E-flat major.
const Question kIiInEFlat = chord({{3, 0}, {5, -1}, {7, 0}});

TEST(Judge, aFlatInTheKeySignatureMustStillBeWritten) {
    const CurrentKey eFlat = keyFor(2, -1, KeyMode::Major);
    const PreparedAnswer prepared = prepareanswer(kIiInEFlat, eFlat, kSpell);
    EXPECT_EQ(prepared.acccode(), (std::vector<int>{NoSign, Flat, NoSign}));
    EXPECT_EQ(prepared.hinttext, "");

    EXPECT_EQ(spell(kIiInEFlat, eFlat, {{4, NoSign}, {6, Flat}, {8, NoSign}}), kRight);
    EXPECT_EQ(spell(kIiInEFlat, eFlat, {{4, NoSign}, {6, NoSign}, {8, NoSign}}), kWrong);
    EXPECT_EQ(spell(kIiInEFlat, eFlat, {{4, Natural}, {6, Flat}, {8, NoSign}}), kWrong);
    // G-sharp for A-flat sounds the same but is spelled otherwise.
    EXPECT_EQ(spell(kIiInEFlat, eFlat, {{4, NoSign}, {5, Sharp}, {8, NoSign}}), kWrong);
}

TEST(Judge, aNaturalAgainstTheKeySignatureNeedsItsSignAndGivesTheHint) {
    const CurrentKey eFlat = keyFor(2, -1, KeyMode::Major);
    const Question v = chord({{6, -1}, {8, 0}, {10, 0}});
    EXPECT_EQ(prepareanswer(v, eFlat, kSpell).acccode(), (std::vector<int>{Flat, NoSign, NoSign}));

    // V of c minor: G, B-natural, D against a signature of three flats.
    const CurrentKey cMinor = keyFor(0, 0, KeyMode::Minor);
    Question dominant = chord({{4, 0}, {6, 0}, {8, 0}});
    dominant.hint = std::string(kRaisedTriadHint);
    const PreparedAnswer prepared = prepareanswer(dominant, cMinor, kSpell);
    EXPECT_EQ(prepared.acccode(), (std::vector<int>{NoSign, Natural, NoSign}));
    EXPECT_EQ(prepared.hinttext, "You may be missing a natural sign.");
    EXPECT_EQ(spell(dominant, cMinor, {{5, NoSign}, {7, Natural}, {9, NoSign}}), kRight);
    EXPECT_EQ(spell(dominant, cMinor, {{5, NoSign}, {7, NoSign}, {9, NoSign}}), kWrong);
}

TEST(Judge, naturalsNeedNoSignInIntervalsAndEarTraining) {
    const CurrentKey cMinor = keyFor(0, 0, KeyMode::Minor);
    const Question dominant = chord({{4, 0}, {6, 0}, {8, 0}});
    for (const char* name : {"interval-spell", "interval-id", "chord-ear"}) {
        const PreparedAnswer prepared = prepareanswer(dominant, cMinor, activityNamed(name).settledState());
        EXPECT_EQ(prepared.acccode(), (std::vector<int>{NoSign, NoSign, NoSign}));
        EXPECT_EQ(prepared.hinttext, "");
    }
}

TEST(Judge, theSameNotesAnOctaveHigherAreRight) {
    const CurrentKey eFlat = keyFor(2, -1, KeyMode::Major);
    EXPECT_EQ(spell(kIiInEFlat, eFlat, {{11, NoSign}, {13, Flat}, {14, NoSign}}), kWrong);
    // Written from F above middle C's octave: 4 + 7.
    const Question high = chord({{10, 0}, {12, -1}, {14, 0}});
    EXPECT_EQ(prepareanswer(high, eFlat, kSpell).notes.front().step, 3);
    EXPECT_EQ(spell(high, eFlat, {{4, NoSign}, {6, Flat}, {8, NoSign}}), kRight);
    EXPECT_EQ(spell(kIiInEFlat, eFlat, {{11, NoSign}, {13, Flat}, {15, NoSign}}), kRight);
}

TEST(Judge, questionsUpToThreeOctavesUpAreBroughtDown) {
    const CurrentKey c = keyFor(0, 0, KeyMode::Major);
    const Question high = chord({{21, 0}, {23, 0}, {25, 0}});
    EXPECT_EQ(prepareanswer(high, c, kSpell).notes.front().step, 0);
    EXPECT_EQ(spell(high, c, {{1, NoSign}, {3, NoSign}, {5, NoSign}}), kRight);
}

TEST(Judge, cFlatMajorIsRightInBothPlacements) {
    const CurrentKey cFlat = keyFor(0, -1, KeyMode::Major);
    const Question tonic = chord({{0, -1}, {2, -1}, {4, -1}});
    const PreparedAnswer prepared = prepareanswer(tonic, cFlat, kSpell);
    EXPECT_EQ(prepared.notes, (std::vector<Pitch>{{7, -1}, {9, -1}, {11, -1}}));
    EXPECT_EQ(spell(tonic, cFlat, {{1, Flat}, {3, Flat}, {5, Flat}}), kRight);
    EXPECT_EQ(spell(tonic, cFlat, {{8, Flat}, {10, Flat}, {12, Flat}}), kRight);
    // A C written without its flat is not moved up, and is wrong.
    EXPECT_EQ(spell(tonic, cFlat, {{1, NoSign}, {3, Flat}, {5, Flat}}), kWrong);
}

TEST(Judge, anInvertedChordWrittenInRootPositionIsWrong) {
    const CurrentKey c = keyFor(0, 0, KeyMode::Major);
    const Question firstInversionIV = chord({{5, 0}, {7, 0}, {10, 0}});
    EXPECT_EQ(spell(firstInversionIV, c, {{6, NoSign}, {8, NoSign}, {11, NoSign}}), kRight);
    EXPECT_EQ(spell(firstInversionIV, c, {{4, NoSign}, {6, NoSign}, {8, NoSign}}), kWrong);
}

TEST(Judge, tooFewNotesOnTheStaffAreWrongNotACrash) {
    const CurrentKey c = keyFor(0, 0, KeyMode::Major);
    EXPECT_EQ(spell(chord({{0, 0}, {2, 0}, {4, 0}}), c, {{1, NoSign}, {3, NoSign}}), kWrong);
    EXPECT_EQ(spell(chord({{0, 0}, {2, 0}, {4, 0}}), c, {}), kWrong);
}

TEST(Judge, anAppliedChordIsJudgedByTheFirstThreeCharactersOfItsTarget) {
    const Question vOfIV = chord({}, std::string(kVofCategory), "IV ");
    EXPECT_EQ(identify(vOfIV, {"V7 of", "IV (or iv)", ""}), kRight);
    EXPECT_EQ(identify(vOfIV, {"V7 of", "V  (or v)", ""}), kWrong);
    EXPECT_EQ(identify(vOfIV, {"vii-dim7 of", "IV (or iv)", ""}), kWrong);
    const Question viiOfV = chord({}, std::string(kViiofCategory), "V  ");
    EXPECT_EQ(identify(viiOfV, {"vii-dim7 of", "V  (or v)", ""}), kRight);

    Question inverted = vOfIV;
    inverted.invLabel = "(2nd inversion)";
    EXPECT_EQ(identify(inverted, {"V7 of", "IV (or iv)", "(1st inversion)"}, true), kWrong);
    EXPECT_EQ(identify(inverted, {"V7 of", "IV (or iv)", "(2nd inversion)"}, true), kRight);
    EXPECT_EQ(identify(inverted, {"V7 of", "IV (or iv)", "(1st inversion)"}, false), kRight);
}

TEST(Judge, captionsAreComparedExactly) {
    const Question five = chord({}, std::string(kTriadCategory), "V");
    EXPECT_EQ(identify(five, {"Triad :", "V", ""}), kRight);
    EXPECT_EQ(identify(five, {"Triad :", "v", ""}), kWrong);
    EXPECT_EQ(identify(five, {"Seventh :", "V", ""}), kWrong);

    const Activity& keySig = activityNamed("keysig");
    const Question eFlatMajor = chord({}, "major :", "E-flat");
    EXPECT_EQ(identify(eFlatMajor, {"major :", "E-flat", ""}, false, keySig), kRight);
    EXPECT_EQ(identify(eFlatMajor, {"minor :", "E-flat", ""}, false, keySig), kWrong);
    EXPECT_EQ(identify(eFlatMajor, {"major :", "e-flat", ""}, false, keySig), kWrong);
}

TEST(Judge, theNeapolitanNeedsNoSecondPartButItsInversion) {
    Question neapolitan = chord({}, std::string(kFlat2Category), "");
    neapolitan.invLabel = "(1st inversion)";
    EXPECT_EQ(identify(neapolitan, {"Flat-II (Neapolitan)", "", "(1st inversion)"}, true), kRight);
    EXPECT_EQ(identify(neapolitan, {"Flat-II (Neapolitan)", "", "(root position)"}, true), kWrong);
}

TEST(Judge, anAugmentedSixthIgnoresTheInversion) {
    const Question german = chord({}, std::string(kAug6Category), "German");
    EXPECT_FALSE(activityNamed("chord-id").usesInversionList(german, InversionOption::Basic));
    EXPECT_EQ(identify(german, {"Augmented 6 :", "German", "(1st inversion)"}, true), kRight);
}

TEST(Judge, theInversionListIsUsedOnlyInChordIdentificationWithInversionsOn) {
    const Question triad = chord({}, std::string(kTriadCategory), "I");
    const Activity& identification = activityNamed("chord-id");
    EXPECT_TRUE(identification.usesInversionList(triad, InversionOption::Basic));
    EXPECT_TRUE(identification.usesInversionList(triad, InversionOption::FiguredBass));
    EXPECT_FALSE(identification.usesInversionList(triad, InversionOption::Off));
    for (const Activity* other : allActivities()) {
        if (other != &identification) {
            EXPECT_FALSE(other->usesInversionList(triad, InversionOption::Basic)) << other->title();
        }
    }
}

TEST(Judge, theReviewDoesNotOverwriteTheAnswerTheTestWasGiven) {
    const Question five = chord({}, std::string(kTriadCategory), "V");
    const Activity& identification = activityNamed("chord-id");
    const PreparedAnswer prepared =
        prepareanswer(five, keyFor(0, 0, KeyMode::Major), identification.settledState());
    RecordedAnswer recorded;
    identification.judge(five, prepared, false, {{"Triad :", "v", ""}, {}}, recorded, false);
    EXPECT_EQ(recorded.parts, (AnswerParts{"Triad :", "v", ""}));

    EXPECT_EQ(identification.judge(five, prepared, false, {{"Triad :", "V", ""}, {}}, recorded, true),
              kRight);
    EXPECT_EQ(recorded.parts, (AnswerParts{"Triad :", "v", ""}));
}

// Every chord the generators make, written on the staff as prepared, is right: the
// preparation and the judge agree, and the notes fit the staff.
TEST(Judge, everyGeneratedChordWrittenAsPreparedIsRight) {
    QuestionSettings settings;
    ChordBoxes boxes;
    boxes.sevenths.fill(true);
    boxes.appliedDominants.fill(true);
    boxes.appliedLeadingTones.fill(true);
    boxes.augmentedSixths.fill(true);
    boxes.neapolitan = true;
    boxes.triadMixture = true;
    boxes.seventhMixture = true;
    ASSERT_EQ(settings.chords.accept(boxes), ChordRefusal::None);
    KeyBoxes keys;
    keys.sharp.fill(true);
    keys.flat.fill(true);
    ASSERT_TRUE(settings.keys.accept(keys));
    settings.inversions = InversionOption::Basic;

    test::ScriptedRandom random(7);
    const QuestionContext context{settings, kSpell, random};
    for (int round = 0; round < 3000; ++round) {
        CurrentKey key = pickkey(context);
        const std::optional<Question> q = makequestion(key, context);
        ASSERT_TRUE(q);
        const PreparedAnswer prepared = prepareanswer(*q, key, kSpell);
        std::vector<WrittenNote> staff;
        for (std::size_t i = 0; i < prepared.notes.size(); ++i) {
            const int position = prepared.notes[i].step + 1;
            ASSERT_GE(position, 1) << q->prompt;
            ASSERT_LE(position, 14) << q->prompt << " " << key.keyText;
            staff.push_back({position, prepared.notes[i].code()});
        }
        RecordedAnswer recorded;
        EXPECT_EQ(activityNamed("chord-spell").judge(*q, prepared, false, {{}, staff}, recorded, false),
                  kRight)
            << q->prompt;
    }
}

} // namespace
} // namespace tonalyst
