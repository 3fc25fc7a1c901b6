#include "staff/NoteText.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

std::vector<StaffNote> placed(std::string_view text, Clef clef = Clef::Treble) {
    std::vector<StaffNote> notes;
    for (const TypedNote& typed : readNoteText(text, clef)) {
        EXPECT_TRUE(typed.note) << typed.text << " " << typed.problem;
        if (typed.note)
            notes.push_back(*typed.note);
    }
    return notes;
}

TEST(NoteText, EveryAccidentalSpellingReadsInEitherCase) {
    EXPECT_EQ(placed("C c Cn C# Cb Cx C## Cbb"), (std::vector<StaffNote>{{8, NoSign},
                                                                         {8, NoSign},
                                                                         {8, Natural},
                                                                         {8, Sharp},
                                                                         {8, Flat},
                                                                         {8, DoubleSharp},
                                                                         {8, DoubleSharp},
                                                                         {8, DoubleFlat}}));
    // A lower-case b is a letter first, then a flat.
    EXPECT_EQ(placed("b bb bbb"), (std::vector<StaffNote>{{7, NoSign}, {7, Flat}, {7, DoubleFlat}}));
    // Names as the staff reads them out, the octave after a blank.
    EXPECT_EQ(placed("E-flat 4 g-sharp B-natural"),
              (std::vector<StaffNote>{{3, Flat}, {5, Sharp}, {7, Natural}}));
}

TEST(NoteText, OctavesFollowScientificPitchWithMiddleCAsC4) {
    EXPECT_EQ(placed("C4 F#4 A#4 C#5 B5"),
              (std::vector<StaffNote>{{1, NoSign}, {4, Sharp}, {6, Sharp}, {8, Sharp}, {14, NoSign}}));
    // The bass staff starts two octaves lower.
    EXPECT_EQ(placed("C2 E2 B3", Clef::Bass),
              (std::vector<StaffNote>{{1, NoSign}, {3, NoSign}, {14, NoSign}}));
}

TEST(NoteText, NotesWithoutOctaveGoNearestThePreviousNoteFromTheMiddleLine) {
    // From B4 on the middle line E-flat is nearer above (E5, a fourth) than below; G and
    // B-flat follow it up.
    EXPECT_EQ(placed("Eb G Bb"), (std::vector<StaffNote>{{10, Flat}, {12, NoSign}, {14, Flat}}));
    // F is nearer below (F4), and C and E follow it down.
    EXPECT_EQ(placed("F C E"), (std::vector<StaffNote>{{4, NoSign}, {1, NoSign}, {3, NoSign}}));
    // An octave number moves the reference along with it.
    EXPECT_EQ(placed("C4 E G"), (std::vector<StaffNote>{{1, NoSign}, {3, NoSign}, {5, NoSign}}));
    // The bass staff's middle line is D3.
    EXPECT_EQ(placed("C", Clef::Bass), (std::vector<StaffNote>{{8, NoSign}}));
    EXPECT_EQ(placed("  G\tB   D  "), (std::vector<StaffNote>{{5, NoSign}, {7, NoSign}, {9, NoSign}}));
}

TEST(NoteText, AChordTypedWithoutOctavesKeepsItsShapeWhereItWouldRunOffTheStaff) {
    // From D3 on the bass staff's middle line, G goes up to G3 and D would land above B3;
    // the three move down an octave together, so the chord stays in root position.
    EXPECT_EQ(placed("G Bb D", Clef::Bass), (std::vector<StaffNote>{{5, NoSign}, {7, Flat}, {9, NoSign}}));
    EXPECT_EQ(placed("F A C", Clef::Bass), (std::vector<StaffNote>{{4, NoSign}, {6, NoSign}, {8, NoSign}}));
    // A seventh chord from E5 on the treble staff moves down to E4.
    EXPECT_EQ(placed("E G B D"),
              (std::vector<StaffNote>{{3, NoSign}, {5, NoSign}, {7, NoSign}, {9, NoSign}}));
    // Down from A2 the bass staff ends under D2; the shape moves up an octave.
    EXPECT_EQ(placed("A F D B", Clef::Bass),
              (std::vector<StaffNote>{{13, NoSign}, {11, NoSign}, {9, NoSign}, {7, NoSign}}));
}

TEST(NoteText, NotesThatFollowAnOctaveOrOutgrowTheStaffAreRefusedNotFolded) {
    // An octave fixes where the notes after it go: D above B3 is off the bass staff.
    auto notes = readNoteText("G3 B D", Clef::Bass);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[1].note, (StaffNote{14, NoSign}));
    EXPECT_FALSE(notes[2].note);
    EXPECT_EQ(notes[2].problem, "is above the staff");
    // Down from C4, B is B3, below the treble staff.
    notes = readNoteText("C4 B", Clef::Treble);
    EXPECT_EQ(notes[1].problem, "is below the staff");
    // Two octaves and more cannot all move onto the staff: the lowest notes stay, the rest are refused.
    notes = readNoteText("C E G B D F A C E", Clef::Treble);
    ASSERT_EQ(notes.size(), 9u);
    EXPECT_EQ(notes[0].note, (StaffNote{1, NoSign}));
    EXPECT_EQ(notes[6].note, (StaffNote{13, NoSign}));
    EXPECT_EQ(notes[7].problem, "is above the staff");
    EXPECT_EQ(notes[8].problem, "is above the staff");
}

TEST(NoteText, WordsThatAreNoNotesOrLieOffTheStaffSayWhy) {
    const auto notes = readNoteText("H E#4 C6 B3 Cbx 4 C# Db4 G123", Clef::Treble);
    ASSERT_EQ(notes.size(), 9u);
    EXPECT_EQ(notes[0].problem, "is not a note name");
    EXPECT_EQ(notes[1].note, (StaffNote{3, Sharp}));
    EXPECT_EQ(notes[2].problem, "is above the staff");
    EXPECT_EQ(notes[3].problem, "is below the staff");
    EXPECT_EQ(notes[4].problem, "is not a note name");
    EXPECT_EQ(notes[5].problem, "is not a note name");
    // A refused word does not move the reference: C# goes near E4.
    EXPECT_EQ(notes[6].note, (StaffNote{1, Sharp}));
    EXPECT_EQ(notes[7].text, "Db4");
    EXPECT_EQ(notes[8].problem, "is not a note name");
    EXPECT_TRUE(readNoteText("   ", Clef::Treble).empty());
}

TEST(NoteText, TheStaffReadsItsClefSignatureAndNotesFromTheLowest) {
    StaffContent content;
    EXPECT_EQ(staffText(content), "treble clef, no notes");
    content.signatureKind = SignatureKind::Flat;
    content.signatureCount = 3;
    content.notes = {{3, Flat}, {5, NoSign}, {7, Flat}};
    EXPECT_EQ(staffText(content), "treble clef, key signature of 3 flats, E-flat 4, G 4, B-flat 4");
    content.clef = Clef::Bass;
    content.signatureKind = SignatureKind::Sharp;
    content.signatureCount = 1;
    content.notes = {{7, NoSign}, {11, Sharp}, {12, DoubleFlat}, {13, Natural}};
    EXPECT_EQ(staffText(content), "bass clef, key signature of 1 sharp, B 2, F-sharp 3, G-double-flat 3, A-natural 3");
    content.signatureCount = 0;
    content.notes.clear();
    EXPECT_EQ(staffText(content), "bass clef, key signature without sharps or flats, no notes");
}

TEST(NoteText, KeyboardKeysAreNamedByTheirSpellingInTheClefsOctaves) {
    EXPECT_EQ(keyName(1, Sharp, Clef::Treble), "C sharp 4");
    EXPECT_EQ(keyName(9, DoubleFlat, Clef::Treble), "D double flat 5");
    EXPECT_EQ(keyName(0, Sharp, Clef::Treble), "B sharp 3");
    EXPECT_EQ(keyName(15, Flat, Clef::Treble), "C flat 6");
    EXPECT_EQ(keyName(3, Natural, Clef::Bass), "E natural 2");
    EXPECT_EQ(keyName(14, NoSign, Clef::Bass), "B 3");
}

} // namespace
} // namespace tonalyst
