#include "staff/NoteLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonalyst {
namespace {

namespace sg = staffgeometry;
using sg::Slot;

std::vector<Slot> slotsOf(const std::vector<PlacedNote>& placed) {
    std::vector<Slot> slots;
    for (const PlacedNote& note : placed)
        slots.push_back(note.slot);
    return slots;
}

TEST(NoteLayout, TheUpperNoteOfASecondStandsBesideTheLower) {
    EXPECT_EQ(slotsOf(layoutNotes({{1, 0}, {2, 0}}, Clef::Treble)), (std::vector{Slot::A, Slot::B}));
    // A third note a second above goes back to the first slot.
    EXPECT_EQ(slotsOf(layoutNotes({{1, 0}, {2, 0}, {3, 0}}, Clef::Treble)),
              (std::vector{Slot::A, Slot::B, Slot::A}));
    // A note a third or more above keeps the slot of the note below it.
    EXPECT_EQ(slotsOf(layoutNotes({{1, 0}, {2, 0}, {4, 0}}, Clef::Treble)),
              (std::vector{Slot::A, Slot::B, Slot::B}));
    EXPECT_EQ(slotsOf(layoutNotes({{1, 0}, {3, 0}, {5, 0}, {7, 0}}, Clef::Treble)),
              (std::vector{Slot::A, Slot::A, Slot::A, Slot::A}));
}

TEST(NoteLayout, AccidentalsAreTakenHighestFirstThenLowestAlternatingInwards) {
    const auto orderOf = [](const std::vector<StaffNote>& chord) {
        std::vector<PlacedNote> notes;
        for (const StaffNote& note : chord)
            notes.push_back({note, Slot::A, 0});
        return accidentalOrder(notes);
    };
    EXPECT_EQ(orderOf({{1, 2}, {3, 2}, {5, 2}, {7, 2}}), (std::vector<std::size_t>{3, 0, 2, 1}));
    EXPECT_EQ(orderOf({{1, 3}, {3, 1}, {5, 4}}), (std::vector<std::size_t>{2, 0, 1}));
    // Notes without a sign are passed over.
    EXPECT_EQ(orderOf({{1, 0}, {3, 2}, {5, 0}, {7, 3}}), (std::vector<std::size_t>{3, 1}));
    EXPECT_TRUE(orderOf({{1, 0}, {3, 0}}).empty());
}

struct Ink {
    int left, right, top, bottom;
};

bool overlaps(const Ink& a, const Ink& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

TEST(NoteLayout, AccidentalsStandLeftOfTheWholeChordAndNeverTouch) {
    // Every four-note chord over an octave and a half, with sharps, flats and naturals.
    for (int a = 1; a <= 11; ++a)
        for (int b = a + 1; b <= 12; ++b)
            for (int c = b + 1; c <= 13; ++c)
                for (int d = c + 1; d <= 14; ++d)
                    for (int codes = 0; codes < 16; codes += 1) {
                        std::vector<StaffNote> chord;
                        int k = 0;
                        for (int p : {a, b, c, d})
                            chord.push_back({p, (codes >> k++) & 1 ? 2 + (p % 2) : (p % 3 == 0 ? 1 : 0)});
                        const auto placed = layoutNotes(chord, Clef::Treble);
                        std::vector<Ink> inks;
                        for (const PlacedNote& note : placed) {
                            if (note.note.code == 0)
                                continue;
                            ASSERT_LT(note.accidentalRight, sg::headLeft(Slot::A))
                                << a << b << c << d << " codes " << codes;
                            const sg::AccidentalExtent e = sg::accidentalExtent(note.note.code);
                            const int y = sg::positionY(note.note.position, Clef::Treble);
                            const Ink sign{note.accidentalRight - e.width, note.accidentalRight, y - e.above,
                                           y + e.below};
                            for (const Ink& other : inks)
                                ASSERT_FALSE(overlaps(sign, other)) << a << b << c << d << " codes " << codes;
                            inks.push_back(sign);
                        }
                    }
}

TEST(NoteLayout, AccidentalsStandAsCloseAsTheyFit) {
    const int nearest = sg::headLeft(Slot::A) - sg::spaces(sg::kAccidentalClearance);
    EXPECT_EQ(layoutNotes({{5, 3}}, Clef::Treble)[0].accidentalRight, nearest);
    // The sign of the upper note of a second stands left of the lower head too.
    const auto second = layoutNotes({{5, 0}, {6, 2}}, Clef::Treble);
    EXPECT_EQ(second[1].slot, Slot::B);
    EXPECT_EQ(second[1].accidentalRight, nearest);
    // Sharps an octave apart share a column; a third apart, the lower one (placed second)
    // stands in the next column, just clear of the first.
    const auto octave = layoutNotes({{1, 2}, {8, 2}}, Clef::Treble);
    EXPECT_EQ(octave[0].accidentalRight, nearest);
    EXPECT_EQ(octave[1].accidentalRight, nearest);
    const auto third = layoutNotes({{5, 2}, {7, 2}}, Clef::Treble);
    EXPECT_EQ(third[1].accidentalRight, nearest);
    EXPECT_EQ(third[0].accidentalRight,
              nearest - sg::accidentalExtent(Sharp).width - sg::spaces(sg::kColumnClearance));
    // In a stack of four the outer signs share the first column; the upper inner one takes
    // the next and the lower inner one, a third from both, the one after.
    const auto four = layoutNotes({{1, 2}, {3, 2}, {5, 2}, {8, 2}}, Clef::Treble);
    const int column = sg::accidentalExtent(Sharp).width + sg::spaces(sg::kColumnClearance);
    EXPECT_EQ(four[3].accidentalRight, nearest);
    EXPECT_EQ(four[0].accidentalRight, nearest);
    EXPECT_EQ(four[2].accidentalRight, nearest - column);
    EXPECT_EQ(four[1].accidentalRight, nearest - 2 * column);
}

} // namespace
} // namespace tonalyst
