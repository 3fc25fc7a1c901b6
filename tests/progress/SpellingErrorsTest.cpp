#include "progress/SpellingErrors.h"
#include "theory/NoteNames.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using Kind = SpellingErrorKind;

// kind: detail, one per error, to compare whole classifications at once.
std::vector<QString> described(const QString& given, const QString& right) {
    std::vector<QString> out;
    for (const SpellingError& error : classifySpelling(given, right))
        out.push_back(spellingErrorKindName(error.kind, true) + QStringLiteral(": ") +
                      spellingErrorDetail(error));
    return out;
}

TEST(HistoryNotes, readsBlankSeparatedNotesWithUpperCaseLettersOnly) {
    const auto notes = readHistoryNotes(QStringLiteral("Eb4  G##3 Fn4 A"));
    ASSERT_TRUE(notes);
    EXPECT_EQ(*notes, (std::vector<Pitch>{{2, -1}, {-3, 2}, {3, 0, true}, {5, 0}}));
    for (const char* text : {"H4", "eb4", "E#b#b#4", "C4x", "Eb4 G4 ?", "C###4",
                             "Db\xC3\xA9"
                             "4"})
        EXPECT_FALSE(readHistoryNotes(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(readHistoryNotes(QString())->empty());
}

TEST(SpellingErrors, anAgreeingAnswerHoldsNoMistake) {
    EXPECT_TRUE(classifySpelling(QStringLiteral("Eb4 G4 Bb4"), QStringLiteral("Eb4  G4 Bb4")).empty());
}

TEST(SpellingErrors, theRightPitchUnderAnotherLetterIsAnEnharmonic) {
    EXPECT_EQ(described(QStringLiteral("E4 Ab4 B4"), QStringLiteral("E4 G#4 B4")),
              std::vector<QString>{QStringLiteral("Right pitch, wrong spelling: A-flat for G-sharp")});
    // Across the octave line too: B-sharp 3 is C 4.
    EXPECT_EQ(described(QStringLiteral("C4 E4 G4"), QStringLiteral("B#3 E4 G4")),
              std::vector<QString>{QStringLiteral("Right pitch, wrong spelling: C for B-sharp")});
    EXPECT_EQ(described(QStringLiteral("D4 F#4 A4"), QStringLiteral("D4 Gb4 A4")).front(),
              QStringLiteral("Right pitch, wrong spelling: F-sharp for G-flat"));
    EXPECT_EQ(described(QStringLiteral("Fx4"), QStringLiteral("G4")).front(),
              QStringLiteral("Right pitch, wrong spelling: F-double-sharp for G"));
}

TEST(SpellingErrors, aWrongSignOnTheRightLetterIsOneMistakeNotAMissingAndAnExtraNote) {
    const auto errors = classifySpelling(QStringLiteral("C4 E4 G4"), QStringLiteral("C4 Eb4 G4"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].kind, Kind::WrongAccidental);
    EXPECT_EQ(spellingErrorDetail(errors[0]), QStringLiteral("E for E-flat"));
    EXPECT_EQ(described(QStringLiteral("D4 F4 A4"), QStringLiteral("D4 F#4 A4")),
              std::vector<QString>{QStringLiteral("Wrong accidental on the right letter: F for F-sharp")});
}

TEST(SpellingErrors, aNaturalSignLeftOutOrAddedIsAWrongAccidental) {
    // In E-flat major an E natural must carry its sign; without it the key makes it E-flat.
    EXPECT_EQ(described(QStringLiteral("C4 E4 G4"), QStringLiteral("C4 En4 G4")),
              std::vector<QString>{QStringLiteral("Wrong accidental on the right letter: E for E-natural")});
    EXPECT_EQ(described(QStringLiteral("Cn4 E4 G4"), QStringLiteral("C4 E4 G4")),
              std::vector<QString>{QStringLiteral("Wrong accidental on the right letter: C-natural for C")});
}

TEST(SpellingErrors, anotherNoteInPlaceOfAMemberIsAWrongMember) {
    EXPECT_EQ(described(QStringLiteral("C4 F4 G4"), QStringLiteral("C4 E4 G4")),
              std::vector<QString>{QStringLiteral("Wrong chord member: F for E")});
    EXPECT_EQ(spellingErrorKindName(Kind::WrongMember, false), QStringLiteral("Wrong note"));
}

TEST(SpellingErrors, notesLeftOutOrAddedAreMissingOrExtra) {
    EXPECT_EQ(described(QStringLiteral("G4 B4 D5"), QStringLiteral("G4 B4 D5 F5")),
              std::vector<QString>{QStringLiteral("Missing note: F")});
    EXPECT_EQ(described(QStringLiteral("C4 E4 G4 Bb4"), QStringLiteral("C4 E4 G4")),
              std::vector<QString>{QStringLiteral("Extra note: B-flat")});
    // A doubled note is an extra one, even in the same octave.
    EXPECT_EQ(described(QStringLiteral("C4 E4 E4 G4"), QStringLiteral("C4 E4 G4")),
              std::vector<QString>{QStringLiteral("Extra note: E")});
    EXPECT_EQ(described(QString(), QStringLiteral("C4 E4")).size(), 2u);
}

TEST(SpellingErrors, mistakesNameTheNotesAsTheStudentNamesThem) {
    struct Case {
        NoteNaming naming;
        QString wrongSign;  // B for B-flat
        QString missing;    // a missed E-flat
        QString enharmonic; // A-sharp for B-flat
    };
    const std::vector<Case> cases{
        {NoteNaming::German, QStringLiteral("H for B"), QStringLiteral("Es"), QStringLiteral("Ais for B")},
        {NoteNaming::FixedDo, QStringLiteral("Si for Si\u266D"), QStringLiteral("Mi\u266D"),
         QStringLiteral("La\u266F for Si\u266D")},
    };
    for (const Case& c : cases) {
        setNoteNaming(c.naming);
        EXPECT_EQ(
            described(QStringLiteral("G4 B4 D5"), QStringLiteral("G4 Bb4 D5")),
            std::vector<QString>{QStringLiteral("Wrong accidental on the right letter: ") + c.wrongSign});
        EXPECT_EQ(described(QStringLiteral("C4 G4"), QStringLiteral("C4 Eb4 G4")),
                  std::vector<QString>{QStringLiteral("Missing note: ") + c.missing});
        EXPECT_EQ(described(QStringLiteral("G4 A#4 D5"), QStringLiteral("G4 Bb4 D5")),
                  std::vector<QString>{QStringLiteral("Right pitch, wrong spelling: ") + c.enharmonic});
    }
    setNoteNaming(NoteNaming::English);
}

TEST(SpellingErrors, theRightNoteInAnotherOctaveIsNotAWrongMember) {
    EXPECT_EQ(described(QStringLiteral("C4 E4 G4"), QStringLiteral("E4 G4 C5")),
              std::vector<QString>{QStringLiteral("Right note, wrong octave: C in another octave")});
}

TEST(SpellingErrors, severalSlipsInOneAnswerAreEachNamed) {
    EXPECT_EQ(described(QStringLiteral("Gb4 A4 C#5"), QStringLiteral("F#4 A#4 C#5 E5")),
              (std::vector<QString>{QStringLiteral("Right pitch, wrong spelling: G-flat for F-sharp"),
                                    QStringLiteral("Wrong accidental on the right letter: A for A-sharp"),
                                    QStringLiteral("Missing note: E")}));
    // The enharmonic is taken before the sign: E-sharp for F is a spelling slip, and the
    // F left over pairs with the E that is really missing its sign.
    EXPECT_EQ(described(QStringLiteral("E#4 Ab4"), QStringLiteral("F4 A4")),
              (std::vector<QString>{QStringLiteral("Right pitch, wrong spelling: E-sharp for F"),
                                    QStringLiteral("Wrong accidental on the right letter: A-flat for A")}));
}

// Several wrong notes are read with the fewest mistakes, nearer slips before farther ones.
TEST(SpellingErrors, severalWrongNotesAreReadWithTheFewestAndNearestMistakes) {
    const struct {
        const char* given;
        const char* right;
        std::vector<QString> mistakes;
    } cases[] = {
        {"F4 Gb4 B4 D#5",
         "F#4 G#4 B4 D#5",
         {"Wrong accidental on the right letter: F for F-sharp",
          "Wrong accidental on the right letter: G-flat for G-sharp"}},
        {"A#4 B4",
         "Ab4 Bb4",
         {"Wrong accidental on the right letter: A-sharp for A-flat",
          "Wrong accidental on the right letter: B for B-flat"}},
        // C-flat 4 sounds as B 3 and B-sharp 4 as C 5: an octave from the notes asked for.
        {"Cb4 E4 G4 B#4",
         "C4 E4 G4 B4",
         {"Wrong accidental on the right letter: C-flat for C",
          "Wrong accidental on the right letter: B-sharp for B"}},
        {"Cb4 E4 G4 Ax4",
         "C4 E4 G4 B4",
         {"Wrong accidental on the right letter: C-flat for C",
          "Right pitch, wrong spelling: A-double-sharp for B"}},
        {"E4 Ab5 B4", "E4 G#4 B4", {"Wrong chord member: A-flat for G-sharp"}},
        // Signs swapped between two notes in their places, not two notes in the wrong octave.
        {"C4 C#5",
         "C#4 C5",
         {"Wrong accidental on the right letter: C for C-sharp",
          "Wrong accidental on the right letter: C-sharp for C"}},
        // Each wrong note for the nearest one missing.
        {"C4 F4 A4", "C4 E4 G4", {"Wrong chord member: F for E", "Wrong chord member: A for G"}},
        {"C4 E4", "C4 Eb4 G4", {"Wrong accidental on the right letter: E for E-flat", "Missing note: G"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(described(QString::fromLatin1(c.given), QString::fromLatin1(c.right)), c.mistakes)
            << c.given << " for " << c.right;
}

TEST(SpellingErrors, anAnswerThatIsNoNotesIsSaidToBeUnreadable) {
    const auto errors =
        classifySpelling(QStringLiteral("Augmented 6 : / German"), QStringLiteral("C4 E4 G4"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].kind, Kind::Unreadable);
}

} // namespace
} // namespace tonalyst
