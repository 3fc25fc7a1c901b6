#pragma once

#include "theory/Pitch.h"
#include "theory/SignatureKind.h"

namespace tonalyst {

enum class Clef { Treble, Bass };

// Staff positions run 1 (C) to 14 (B), one diatonic step each.
inline constexpr int kLowestPosition = 1;
inline constexpr int kHighestPosition = 14;
inline constexpr int kMaxNotes = 4;

// One note on the staff: its staff position and the accidental code it is drawn with.
// The staff's own edge of Pitch: positions and pictures are what it draws and hit-tests.
struct StaffNote {
    int position = kLowestPosition;
    int code = NoSign;
    bool operator==(const StaffNote&) const = default;
};

// The note at a staff position: position 1 is middle C on the treble staff and the C two
// octaves lower on the bass staff; position 0 is the B below it.
Pitch pitchOf(StaffNote note, Clef clef);
// The staff position of a note in a clef, on the staff or off it.
int positionOf(const Pitch& pitch, Clef clef);

// The letter of a staff position.
char letterOfPosition(int position);

} // namespace tonalyst
