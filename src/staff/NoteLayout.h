#pragma once

#include "staff/StaffGeometry.h"
#include "staff/StaffTypes.h"

#include <vector>

namespace tonalyst {

// A drawn note: which slot it stands in and where its accidental ends on the right, in
// twips.
struct PlacedNote {
    StaffNote note;
    staffgeometry::Slot slot = staffgeometry::Slot::A;
    int accidentalRight = 0;
    bool operator==(const PlacedNote&) const = default;
};

// Lays out a stack of notes, lowest first: notes a second apart alternate between the two
// slots, and the accidentals stand in columns left of the whole chord.
std::vector<PlacedNote> layoutNotes(const std::vector<StaffNote>& notes, Clef clef);

// The order engravers place a chord's accidentals in: the highest first, then the lowest,
// then alternating inwards. Indexes into the notes (lowest first) that carry a sign.
std::vector<std::size_t> accidentalOrder(const std::vector<PlacedNote>& notes);

// Places the accidentals in that order, each in the rightmost column left of the chord's
// heads where it does not touch a sign already placed.
void stackAccidentals(std::vector<PlacedNote>& notes, Clef clef);

} // namespace tonalyst
