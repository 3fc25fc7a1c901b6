#pragma once

#include "theory/SignatureKind.h"

namespace tonalyst {

enum class Clef { Treble, Bass };

// Accidental codes: the index of the note buttons, the accidental pictures and the
// note pictures.
inline constexpr int kNoAccidental = 0;
inline constexpr int kNatural = 1;
inline constexpr int kSharp = 2;
inline constexpr int kFlat = 3;
inline constexpr int kDoubleSharp = 4;
inline constexpr int kDoubleFlat = 5;
inline constexpr int kAccidentalCodes = 6;

// Staff positions run 1 (C) to 14 (B), one diatonic step each.
inline constexpr int kLowestPosition = 1;
inline constexpr int kHighestPosition = 14;
inline constexpr int kMaxNotes = 4;
// What an empty entry slot holds in both its fields.
inline constexpr int kEmptySlot = 99;

// One note on the staff: its staff position and its accidental code.
struct StaffNote {
    int position = kEmptySlot;
    int code = kEmptySlot;
    bool operator==(const StaffNote&) const = default;
};

// The letter of a staff position; position 0 is the B below the first C.
char letterOfPosition(int position);

} // namespace tonalyst
