#pragma once

#include "staff/StaffGeometry.h"
#include "staff/StaffTypes.h"

#include <vector>

namespace tonalyst {

// A drawn note: which slot it stands in, whether its accidental is "wide" (it gives way to
// the normal ones and so stands further from the heads), and where that accidental ends on
// the right, in twips.
struct PlacedNote {
    StaffNote note;
    staffgeometry::Slot slot = staffgeometry::Slot::A;
    bool wide = false;
    int accidentalRight = 0;
    bool operator==(const PlacedNote&) const = default;
};

// The ink of an accidental sign against its staff position, in twips.
struct AccidentalExtent {
    int width;
    int above;
    int below;
};
AccidentalExtent accidentalExtent(int code);
inline constexpr int kHeadWidth = 146;
inline constexpr int kHeadHalfHeight = 66;

// Lays out a stack of notes, lowest first: notes a second apart alternate between the two
// slots, and accidentals are spread so that neighbours do not collide.
std::vector<PlacedNote> layoutNotes(const std::vector<StaffNote>& notes, Clef clef);

// Re-chooses normal or wide accidentals for a stack by the accidental mask (bit k-1 set
// when note k has an accidental) and the number of the last note moved into the other
// slot (1 when none moved).
void spreadAccidentals(std::vector<PlacedNote>& notes, int lastMovedNote);

// Places the accidentals, normal ones first and then the wide ones, the higher before the
// lower: each as near its head as it can stand without touching a head or an accidental
// already placed.
void stackAccidentals(std::vector<PlacedNote>& notes, Clef clef);

} // namespace tonalyst
