#include "staff/NoteLayout.h"

#include <algorithm>

namespace tonalyst {

namespace {

namespace sg = staffgeometry;
using sg::Slot;

struct Box {
    int left;
    int right;
    int top;
    int bottom;
};

// Signs of two columns keep the column clearance between them, side by side or above
// each other, so that no two ever touch.
bool collides(const Box& a, const Box& b) {
    const int gap = sg::spaces(sg::kColumnClearance);
    return a.left < b.right + gap && b.left < a.right + gap && a.top < b.bottom + gap && b.top < a.bottom + gap;
}

Box accidentalBox(const PlacedNote& note, Clef clef) {
    const sg::AccidentalExtent extent = sg::accidentalExtent(note.note.code);
    const int y = sg::positionY(note.note.position, clef);
    return {note.accidentalRight - extent.width, note.accidentalRight, y - extent.above, y + extent.below};
}

bool hasSign(const PlacedNote& note) {
    return note.note.code > NoSign && note.note.code < kAccidentalCodes;
}

} // namespace

std::vector<std::size_t> accidentalOrder(const std::vector<PlacedNote>& notes) {
    std::vector<std::size_t> signed_;
    for (std::size_t k = 0; k < notes.size(); ++k)
        if (hasSign(notes[k]))
            signed_.push_back(k);
    std::vector<std::size_t> order;
    std::size_t low = 0;
    std::size_t high = signed_.size();
    for (bool fromTop = true; low < high; fromTop = !fromTop)
        order.push_back(fromTop ? signed_[--high] : signed_[low++]);
    return order;
}

void stackAccidentals(std::vector<PlacedNote>& notes, Clef clef) {
    int chordLeft = sg::headLeft(Slot::B);
    for (const PlacedNote& note : notes)
        chordLeft = std::min(chordLeft, sg::headLeft(note.slot));
    std::vector<Box> placed;
    for (std::size_t k : accidentalOrder(notes)) {
        PlacedNote& note = notes[k];
        note.accidentalRight = sg::accidentalRight(chordLeft);
        for (bool moved = true; moved;) {
            moved = false;
            const Box box = accidentalBox(note, clef);
            for (const Box& other : placed) {
                if (collides(box, other)) {
                    note.accidentalRight = other.left - sg::spaces(sg::kColumnClearance);
                    moved = true;
                    break;
                }
            }
        }
        placed.push_back(accidentalBox(note, clef));
    }
}

std::vector<PlacedNote> layoutNotes(const std::vector<StaffNote>& notes, Clef clef) {
    std::vector<PlacedNote> placed;
    for (const StaffNote& note : notes) {
        PlacedNote current{note, Slot::A, 0};
        if (!placed.empty()) {
            const PlacedNote& below = placed.back();
            const bool second = note.position - below.note.position < 2;
            current.slot = second && below.slot == Slot::A ? Slot::B : second ? Slot::A : below.slot;
        }
        placed.push_back(current);
    }
    stackAccidentals(placed, clef);
    return placed;
}

} // namespace tonalyst
