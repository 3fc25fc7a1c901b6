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

// "W" and "N" per note, the way the spreading table reads.
std::string picturesOf(const std::vector<PlacedNote>& placed) {
    std::string pictures;
    for (const PlacedNote& note : placed)
        pictures += note.wide ? 'W' : 'N';
    return pictures;
}

std::vector<PlacedNote> withCodes(const std::vector<int>& codes) {
    std::vector<PlacedNote> notes;
    int position = 1;
    for (int code : codes) {
        notes.push_back({{position, code}, Slot::A, false, 0});
        position += 2;
    }
    return notes;
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

TEST(NoteLayout, AnAccidentalOnTheMovedNoteOfASecondIsDrawnWide) {
    EXPECT_EQ(picturesOf(layoutNotes({{1, 0}, {2, 2}}, Clef::Treble)), "NW");
    // Only the lower note has a sign: the mask 1 changes nothing.
    EXPECT_EQ(picturesOf(layoutNotes({{1, 2}, {2, 0}}, Clef::Treble)), "NN");
    // Both signed a second apart: both wide (mask 3, note 2 moved).
    EXPECT_EQ(picturesOf(layoutNotes({{1, 2}, {2, 2}}, Clef::Treble)), "WW");
}

TEST(NoteLayout, TheSpreadingTableChoosesByMaskAndMovedNote) {
    struct Case {
        std::vector<int> codes;
        int moved;
        std::string expected;
    };
    const std::vector<Case> cases{
        {{2, 0, 2}, 1, "WNN"},     {{2, 0, 2}, 2, "NNN"},     {{2, 0, 2}, 3, "WNW"},
        {{2, 0, 2}, 4, "WNN"},     {{2, 2, 2}, 3, "NWW"},     {{0, 2, 0, 2}, 3, "NNNN"},
        {{0, 2, 0, 2}, 1, "NWNN"}, {{2, 2, 0, 2}, 4, "NWNW"}, {{0, 0, 2, 2}, 2, "NNWN"},
        {{2, 2, 2, 2}, 2, "WWNW"}, {{2, 2, 2, 2}, 4, "WNWW"}, {{0, 2, 2, 2}, 1, "NWNW"},
    };
    for (const Case& c : cases) {
        std::vector<PlacedNote> notes = withCodes(c.codes);
        spreadAccidentals(notes, c.moved);
        EXPECT_EQ(picturesOf(notes), c.expected) << "moved " << c.moved << " " << c.expected;
    }
}

TEST(NoteLayout, MasksWithoutARuleLeaveThePicturesAlone) {
    for (const std::vector<int>& codes : {std::vector{2, 0, 0, 0}, std::vector{0, 0, 0, 2},
                                          std::vector{2, 0, 0, 2}, std::vector{2, 2, 0, 0}}) {
        std::vector<PlacedNote> notes = withCodes(codes);
        notes[1].wide = true;
        spreadAccidentals(notes, 3);
        EXPECT_TRUE(notes[1].wide);
        EXPECT_FALSE(notes[0].wide);
    }
}

struct Ink {
    int left, right, top, bottom;
};

bool overlaps(const Ink& a, const Ink& b) {
    return a.left < b.right && b.left < a.right && a.top + 30 < b.bottom && b.top + 30 < a.bottom;
}

TEST(NoteLayout, AccidentalsInAChordNeverTouchEachOtherOrAHead) {
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
                            const int y = sg::positionY(note.note.position, Clef::Treble);
                            const int head = sg::headLeft(note.slot);
                            inks.push_back(
                                {head, head + kHeadWidth, y - kHeadHalfHeight, y + kHeadHalfHeight});
                        }
                        for (const PlacedNote& note : placed) {
                            if (note.note.code == 0)
                                continue;
                            const AccidentalExtent e = accidentalExtent(note.note.code);
                            const int y = sg::positionY(note.note.position, Clef::Treble);
                            const Ink sign{note.accidentalRight - e.width, note.accidentalRight, y - e.above,
                                           y + e.below};
                            for (const Ink& other : inks)
                                ASSERT_FALSE(overlaps(sign, other)) << a << b << c << d << " codes " << codes;
                            inks.push_back(sign);
                        }
                    }
}

TEST(NoteLayout, ALoneAccidentalStandsRightBesideItsHead) {
    const auto placed = layoutNotes({{5, 3}}, Clef::Treble);
    EXPECT_EQ(placed[0].accidentalRight, sg::headLeft(Slot::A) - sg::kAccidentalGap);
    // The sign of the upper note of a second clears the lower head.
    const auto second = layoutNotes({{5, 0}, {6, 2}}, Clef::Treble);
    EXPECT_LE(second[1].accidentalRight, sg::headLeft(Slot::A));
}

} // namespace
} // namespace tonalyst
