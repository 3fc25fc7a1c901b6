#include "staff/NoteEntry.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

// Clicks a key the way the keyboard does: ask the marks what the click means, then enter.
bool click(NoteEntry& entry, KeyKind kind, int index) {
    const KeyRequest request = entry.marks().requestFor(kind, index);
    return request.remove ? entry.remove(index) : entry.add(index, request.code);
}

TEST(KeyboardMarks, ASoundingKeyTakesOnlyOneSpelling) {
    NoteEntry entry;
    ASSERT_TRUE(click(entry, KeyKind::Note, 8));         // C
    EXPECT_FALSE(click(entry, KeyKind::Sharp, 7));       // B-sharp below it
    EXPECT_FALSE(click(entry, KeyKind::DoubleFlat, 9));  // D-double-flat
    ASSERT_TRUE(click(entry, KeyKind::Note, 3));         // E
    EXPECT_FALSE(click(entry, KeyKind::Flat, 4));        // F-flat
    EXPECT_FALSE(click(entry, KeyKind::DoubleSharp, 2)); // D-double-sharp
    EXPECT_EQ(entry.noteCount(), 2);
}

TEST(KeyboardMarks, BlackKeySharpsAndFlatsExcludeEachOther) {
    NoteEntry sharpFirst;
    ASSERT_TRUE(click(sharpFirst, KeyKind::Sharp, 1)); // C-sharp
    EXPECT_FALSE(click(sharpFirst, KeyKind::Flat, 2)); // D-flat
    NoteEntry flatFirst;
    ASSERT_TRUE(click(flatFirst, KeyKind::Flat, 2));
    EXPECT_FALSE(click(flatFirst, KeyKind::Sharp, 1));
    // Different black keys do not interfere.
    EXPECT_TRUE(click(flatFirst, KeyKind::Sharp, 4)); // F-sharp
}

TEST(KeyboardMarks, DoubleSignsCollideWithTheirWhiteNeighbours) {
    NoteEntry withD;
    ASSERT_TRUE(click(withD, KeyKind::Note, 2));         // D
    EXPECT_FALSE(click(withD, KeyKind::DoubleSharp, 1)); // C-double-sharp
    EXPECT_FALSE(click(withD, KeyKind::DoubleFlat, 3));  // E-double-flat
    NoteEntry withCx;
    ASSERT_TRUE(click(withCx, KeyKind::DoubleSharp, 1));
    EXPECT_FALSE(click(withCx, KeyKind::Note, 2));
    EXPECT_FALSE(click(withCx, KeyKind::Natural, 2));
    EXPECT_FALSE(click(withCx, KeyKind::DoubleFlat, 3));
    // E-sharp against F, and F-flat against E.
    NoteEntry withEs;
    ASSERT_TRUE(click(withEs, KeyKind::Sharp, 10));
    EXPECT_TRUE(withEs.marks().isMarked(Marker::SharpSide, 10));
    EXPECT_FALSE(click(withEs, KeyKind::Note, 11));
    EXPECT_FALSE(click(withEs, KeyKind::DoubleFlat, 12)); // G-double-flat
}

TEST(KeyboardMarks, ANaturalMarksItsSignAndThePlainKey) {
    NoteEntry entry;
    ASSERT_TRUE(click(entry, KeyKind::Natural, 1));
    EXPECT_TRUE(entry.marks().isMarked(Marker::NaturalSign, 1));
    EXPECT_TRUE(entry.marks().isMarked(Marker::NoteKey, 1));
    EXPECT_EQ(entry.enteredNotes()[0], (StaffNote{1, Natural}));
    // The plain key removes the natural note and both its marks.
    ASSERT_TRUE(click(entry, KeyKind::Note, 1));
    EXPECT_EQ(entry.noteCount(), 0);
    EXPECT_FALSE(entry.marks().isMarked(Marker::NaturalSign, 1));
    EXPECT_FALSE(entry.marks().isMarked(Marker::NoteKey, 1));
}

TEST(KeyboardMarks, APlainNoteRefusesItsNaturalAndTheNaturalKeyDoesNotRemoveIt) {
    NoteEntry entry;
    ASSERT_TRUE(click(entry, KeyKind::Note, 5));
    EXPECT_FALSE(click(entry, KeyKind::Natural, 5));
    EXPECT_EQ(entry.enteredNotes()[0], (StaffNote{5, NoSign}));
    ASSERT_TRUE(click(entry, KeyKind::Note, 5));
    EXPECT_EQ(entry.noteCount(), 0);
}

TEST(KeyboardMarks, ASecondClickOnAMarkedKeyRemovesItsNote) {
    NoteEntry entry;
    ASSERT_TRUE(click(entry, KeyKind::Flat, 6)); // A-flat, a black key
    EXPECT_TRUE(entry.marks().isMarked(Marker::FlatKey, 6));
    ASSERT_TRUE(click(entry, KeyKind::Flat, 8)); // C-flat, on the B key
    EXPECT_TRUE(entry.marks().isMarked(Marker::FlatSide, 8));
    EXPECT_FALSE(entry.marks().isMarked(Marker::FlatKey, 8));
    ASSERT_TRUE(click(entry, KeyKind::Flat, 6));
    EXPECT_FALSE(entry.marks().isMarked(Marker::FlatKey, 6));
    ASSERT_TRUE(click(entry, KeyKind::Flat, 8));
    EXPECT_EQ(entry.noteCount(), 0);
}

TEST(KeyboardMarks, EverySpellingHasAKey) {
    int keys = 0;
    for (KeyKind kind : {KeyKind::Note, KeyKind::Natural, KeyKind::Sharp, KeyKind::Flat, KeyKind::DoubleSharp,
                         KeyKind::DoubleFlat})
        for (int p = 0; p < kKeyIndices; ++p)
            keys += hasKey(kind, p) ? 1 : 0;
    // 14 plain, 14 natural, 14 sharp, 14 flat, 10 double sharp, 10 double flat.
    EXPECT_EQ(keys, 76);
    EXPECT_FALSE(hasKey(KeyKind::DoubleSharp, 3));
    EXPECT_FALSE(hasKey(KeyKind::DoubleFlat, 4));
    EXPECT_TRUE(hasKey(KeyKind::Sharp, 0));
    EXPECT_TRUE(hasKey(KeyKind::Flat, 15));
}

} // namespace
} // namespace tonalyst
