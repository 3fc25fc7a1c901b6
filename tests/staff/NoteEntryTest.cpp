#include "staff/NoteEntry.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

TEST(NoteEntry, AccidentalsThatCannotStandAtAPositionAreRefused) {
    NoteEntry entry;
    for (int e_or_b : {3, 7, 10, 14})
        EXPECT_FALSE(entry.add(e_or_b, DoubleSharp)) << e_or_b;
    for (int c_or_f : {1, 4, 8, 11})
        EXPECT_FALSE(entry.add(c_or_f, DoubleFlat)) << c_or_f;
    EXPECT_FALSE(entry.add(14, Sharp));
    EXPECT_FALSE(entry.add(1, Flat));
    EXPECT_FALSE(entry.add(0, NoSign));
    EXPECT_FALSE(entry.add(15, NoSign));
    EXPECT_FALSE(entry.add(5, 6));
    EXPECT_EQ(entry.noteCount(), 0);
    // The same signs one step away are fine.
    EXPECT_TRUE(entry.add(2, DoubleSharp));
    EXPECT_TRUE(entry.add(3, DoubleFlat));
    EXPECT_TRUE(entry.add(13, Sharp));
}

TEST(NoteEntry, ATakenPositionOrAFullStaffRefusesTheEntry) {
    NoteEntry entry;
    entry.setNoteLimit(2);
    EXPECT_TRUE(entry.add(5, Sharp));
    EXPECT_FALSE(entry.add(5, Flat));
    EXPECT_TRUE(entry.add(9, NoSign));
    EXPECT_FALSE(entry.add(12, NoSign));
    EXPECT_EQ(entry.noteCount(), 2);
    EXPECT_EQ(entry.enteredNotes()[0], (StaffNote{5, Sharp}));
}

TEST(NoteEntry, NotesStaySortedByPosition) {
    NoteEntry entry;
    entry.add(9, Flat);
    entry.add(2, NoSign);
    entry.add(5, Sharp);
    EXPECT_EQ(entry.enteredNotes()[0].position, 2);
    EXPECT_EQ(entry.enteredNotes()[1].position, 5);
    EXPECT_EQ(entry.enteredNotes()[2].position, 9);
    EXPECT_EQ(entry.enteredNotes().size(), 3u);
    EXPECT_TRUE(entry.remove(5));
    EXPECT_EQ(entry.noteCount(), 2);
    EXPECT_EQ(entry.enteredNotes()[1], (StaffNote{9, Flat}));
    EXPECT_EQ(entry.enteredNotes().size(), 2u);
    EXPECT_FALSE(entry.remove(5));
}

TEST(NoteEntry, IntervalAnswersKeepNoNaturalSign) {
    NoteEntry entry;
    entry.setRules({.keepsNaturalSign = false});
    EXPECT_TRUE(entry.add(4, Natural));
    EXPECT_EQ(entry.enteredNotes()[0].code, NoSign);
    EXPECT_TRUE(entry.marks().isMarked(Marker::NoteKey, 4));
    EXPECT_FALSE(entry.marks().isMarked(Marker::NaturalSign, 4));
    entry.setRules({});
    EXPECT_TRUE(entry.add(6, Natural));
    EXPECT_EQ(entry.enteredNotes()[1].code, Natural);
}

TEST(NoteEntry, ClearingRemovesEveryNoteAndItsMarks) {
    NoteEntry entry;
    entry.add(1, Natural);
    entry.add(3, Sharp);
    entry.add(6, Flat);
    entry.add(9, DoubleSharp);
    entry.clear();
    EXPECT_EQ(entry.noteCount(), 0);
    EXPECT_TRUE(entry.enteredNotes().empty());
    for (Marker marker : {Marker::NoteKey, Marker::NaturalSign, Marker::SharpKey, Marker::FlatKey,
                          Marker::SharpSide, Marker::FlatSide})
        for (int p = 0; p < kKeyIndices; ++p)
            EXPECT_FALSE(entry.marks().isMarked(marker, p));
    // The notes can be entered again.
    EXPECT_TRUE(entry.add(1, NoSign));
}

TEST(NoteEntry, SignsTheKeySignatureGivesAreDrawnWithoutTheirSign) {
    NoteEntry entry;
    entry.add(4, Sharp); // F-sharp
    entry.add(7, Flat);  // B-flat
    entry.add(8, Sharp); // C-sharp
    entry.add(11, Natural);
    // D major: F and C sharpened.
    entry.setKeyAccidentals(std::array<int, 7>{1, 0, 0, 1, 0, 0, 0});
    const auto drawn = entry.drawnNotes();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].code, NoSign);
    EXPECT_EQ(drawn[1].code, Flat);
    EXPECT_EQ(drawn[2].code, NoSign);
    EXPECT_EQ(drawn[3].code, Natural);
    // What was entered is kept as it was.
    EXPECT_EQ(entry.enteredNotes()[0].code, Sharp);
    entry.setKeyAccidentals(std::nullopt);
    EXPECT_EQ(entry.drawnNotes()[0].code, Sharp);

    // An interval keeps its natural without a sign, and shows the sign where the
    // signature alters the letter: D to F natural in D major reads as a minor third.
    NoteEntry interval;
    interval.setRules({.takesNotes = false, .keepsNaturalSign = false});
    interval.add(2, NoSign);
    interval.add(4, Natural);
    interval.setKeyAccidentals(std::array<int, 7>{1, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(interval.enteredNotes()[1].code, NoSign);
    EXPECT_EQ(interval.drawnNotes()[0].code, NoSign);
    EXPECT_EQ(interval.drawnNotes()[1].code, Natural);
}

} // namespace
} // namespace tonalyst
