#include "staff/NoteEntry.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

TEST(NoteEntry, AccidentalsThatCannotStandAtAPositionAreRefused) {
    NoteEntry entry;
    for (int e_or_b : {3, 7, 10, 14})
        EXPECT_FALSE(entry.add(e_or_b, kDoubleSharp)) << e_or_b;
    for (int c_or_f : {1, 4, 8, 11})
        EXPECT_FALSE(entry.add(c_or_f, kDoubleFlat)) << c_or_f;
    EXPECT_FALSE(entry.add(14, kSharp));
    EXPECT_FALSE(entry.add(1, kFlat));
    EXPECT_FALSE(entry.add(0, kNoAccidental));
    EXPECT_FALSE(entry.add(15, kNoAccidental));
    EXPECT_FALSE(entry.add(5, 6));
    EXPECT_EQ(entry.noteCount(), 0);
    // The same signs one step away are fine.
    EXPECT_TRUE(entry.add(2, kDoubleSharp));
    EXPECT_TRUE(entry.add(3, kDoubleFlat));
    EXPECT_TRUE(entry.add(13, kSharp));
}

TEST(NoteEntry, ATakenPositionOrAFullStaffRefusesTheEntry) {
    NoteEntry entry;
    entry.setNoteLimit(2);
    EXPECT_TRUE(entry.add(5, kSharp));
    EXPECT_FALSE(entry.add(5, kFlat));
    EXPECT_TRUE(entry.add(9, kNoAccidental));
    EXPECT_FALSE(entry.add(12, kNoAccidental));
    EXPECT_EQ(entry.noteCount(), 2);
    EXPECT_EQ(entry.enteredNotes()[0], (StaffNote{5, kSharp}));
}

TEST(NoteEntry, SlotsStaySortedWithEmptySlotsLast) {
    NoteEntry entry;
    entry.add(9, kFlat);
    entry.add(2, kNoAccidental);
    entry.add(5, kSharp);
    EXPECT_EQ(entry.enteredNotes()[0].position, 2);
    EXPECT_EQ(entry.enteredNotes()[1].position, 5);
    EXPECT_EQ(entry.enteredNotes()[2].position, 9);
    EXPECT_EQ(entry.enteredNotes()[3], (StaffNote{kEmptySlot, kEmptySlot}));
    EXPECT_TRUE(entry.remove(5));
    EXPECT_EQ(entry.noteCount(), 2);
    EXPECT_EQ(entry.enteredNotes()[1], (StaffNote{9, kFlat}));
    EXPECT_EQ(entry.enteredNotes()[2], (StaffNote{kEmptySlot, kEmptySlot}));
    EXPECT_FALSE(entry.remove(5));
}

TEST(NoteEntry, IntervalAnswersKeepNoNaturalSign) {
    NoteEntry entry;
    entry.setQuestionType(QuestionType::IntSpell);
    EXPECT_TRUE(entry.add(4, kNatural));
    EXPECT_EQ(entry.enteredNotes()[0].code, kNoAccidental);
    EXPECT_TRUE(entry.marks().isMarked(Marker::NoteKey, 4));
    EXPECT_FALSE(entry.marks().isMarked(Marker::NaturalSign, 4));
    entry.setQuestionType(QuestionType::Spell);
    EXPECT_TRUE(entry.add(6, kNatural));
    EXPECT_EQ(entry.enteredNotes()[1].code, kNatural);
}

TEST(NoteEntry, ClearingRemovesEveryNoteAndItsMarks) {
    NoteEntry entry;
    entry.add(1, kNatural);
    entry.add(3, kSharp);
    entry.add(6, kFlat);
    entry.add(9, kDoubleSharp);
    entry.clear();
    EXPECT_EQ(entry.noteCount(), 0);
    for (const StaffNote& slot : entry.enteredNotes())
        EXPECT_EQ(slot, (StaffNote{kEmptySlot, kEmptySlot}));
    for (Marker marker : {Marker::NoteKey, Marker::NaturalSign, Marker::SharpKey, Marker::FlatKey,
                          Marker::SharpSide, Marker::FlatSide})
        for (int p = 0; p < kKeyIndices; ++p)
            EXPECT_FALSE(entry.marks().isMarked(marker, p));
    // The notes can be entered again.
    EXPECT_TRUE(entry.add(1, kNoAccidental));
}

TEST(NoteEntry, SignsTheKeySignatureGivesAreDrawnWithoutTheirSign) {
    NoteEntry entry;
    entry.add(4, kSharp); // F-sharp
    entry.add(7, kFlat);  // B-flat
    entry.add(8, kSharp); // C-sharp
    entry.add(11, kNatural);
    // D major: F and C sharpened.
    entry.setKeyAccidentals(std::array<int, 7>{1, 0, 0, 1, 0, 0, 0});
    const auto drawn = entry.drawnNotes();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].code, kNoAccidental);
    EXPECT_EQ(drawn[1].code, kFlat);
    EXPECT_EQ(drawn[2].code, kNoAccidental);
    EXPECT_EQ(drawn[3].code, kNatural);
    // What was entered is kept as it was.
    EXPECT_EQ(entry.enteredNotes()[0].code, kSharp);
    entry.setKeyAccidentals(std::nullopt);
    EXPECT_EQ(entry.drawnNotes()[0].code, kSharp);

    // An interval keeps its natural without a sign, and shows the sign where the
    // signature alters the letter: D to F natural in D major reads as a minor third.
    NoteEntry interval;
    interval.setQuestionType(QuestionType::IntId);
    interval.add(2, kNoAccidental);
    interval.add(4, kNatural);
    interval.setKeyAccidentals(std::array<int, 7>{1, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(interval.enteredNotes()[1].code, kNoAccidental);
    EXPECT_EQ(interval.drawnNotes()[0].code, kNoAccidental);
    EXPECT_EQ(interval.drawnNotes()[1].code, kNatural);
}

} // namespace
} // namespace tonalyst
