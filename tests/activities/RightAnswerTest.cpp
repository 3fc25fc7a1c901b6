#include "support/NamedActivity.h"
#include "theory/ChordNames.h"
#include "theory/TheoryTestSupport.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::activityNamed;
using test::keyFor;

std::string messageFor(const Question& q, std::string_view activityName, InversionOption notation,
                       const CurrentKey& key = keyFor(0, 0, KeyMode::Major)) {
    const Activity& activity = activityNamed(activityName);
    const PreparedAnswer prepared = prepareanswer(q, key, activity.settledState());
    const bool list = activity.usesInversionList(q, notation);
    return rightAnswerMessage("The right answer is :", activity.rightAnswer(q, prepared, notation, list));
}

Question firstInversionIV() {
    Question q;
    q.category = std::string(kTriadCategory);
    q.name = "IV";
    q.keyText = "  In the key of C major";
    q.notes = {{5, 0}, {7, 0}, {10, 0}};
    q.invLabel = "(1st inversion)";
    q.figLabel = "Triad : IV 6-3";
    return q;
}

TEST(RightAnswer, spellingNamesEveryNoteWithItsSign) {
    Question ii;
    ii.notes = {{3, 0}, {5, -1}, {7, 0}};
    const std::string_view spell = "chord-spell";
    EXPECT_EQ(messageFor(ii, spell, InversionOption::Off, keyFor(2, -1, KeyMode::Major)),
              "The right answer is :\r\n\r\n  F   A-flat  C ");

    Question dominant;
    dominant.notes = {{4, 0}, {6, 0}, {8, 0}};
    EXPECT_EQ(messageFor(dominant, spell, InversionOption::Off, keyFor(0, 0, KeyMode::Minor)),
              "The right answer is :\r\n\r\n  G   B-natural   D ");
}

TEST(RightAnswer, identificationGivesTheChordAndItsKey) {
    Question q = firstInversionIV();
    EXPECT_EQ(messageFor(q, "chord-id", InversionOption::Off),
              "The right answer is :\r\n\r\nTriad : IV\r\n(  In the key of C major )");
    EXPECT_EQ(messageFor(q, "chord-id", InversionOption::Basic),
              "The right answer is :\r\n\r\nTriad : IV\r\n(  In the key of C major ) (1st inversion)");
}

TEST(RightAnswer, figuredBassNotationGivesTheFiguredName) {
    EXPECT_EQ(messageFor(firstInversionIV(), "chord-id", InversionOption::FiguredBass),
              "The right answer is :  Triad : IV 6-3");
    EXPECT_EQ(rightAnswerMessage("Still wrong: the right answer is :", {"Triad : IV 6-3", true}),
              "Still wrong: the right answer is :  Triad : IV 6-3");
}

TEST(RightAnswer, keySignaturesAndIntervalsHaveNoKeyLine) {
    Question key;
    key.category = "major :";
    key.name = "E-flat";
    EXPECT_EQ(messageFor(key, "keysig", InversionOption::Basic),
              "The right answer is :\r\n\r\nmajor : E-flat");

    Question third;
    third.category = "Third :";
    third.name = "major";
    third.keyText = "  In the key of C major";
    EXPECT_EQ(messageFor(third, "interval-id", InversionOption::Basic),
              "The right answer is :\r\n\r\nThird : major");
}

} // namespace
} // namespace tonalyst
