#pragma once

#include "staff/NoteEntry.h"
#include "staff/StaffTypes.h"
#include "theory/SignatureKind.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// One note name typed in the Notes field, with the place it takes on the staff when it
// has one.
struct TypedNote {
    std::string text;              // the name as typed
    std::optional<StaffNote> note; // its staff position and accidental code
    std::string problem;           // why it has no place: not a note name, or off the staff
};

// Reads note names separated by blanks, in the note names now in use ("B" is B-flat in German
// letters, "Sib" in fixed do; see readNoteName) or in English letters, always: a letter A-G
// in either case, an optional accidental
// (# sharp, b flat, x or ## double sharp, bb double flat, n natural, or spelled out as the
// staff reads it) and an optional octave number in scientific pitch, C4 being middle C,
// which may follow after a blank as in the staff's text: "E-flat 4" (see readPitch). A note
// without an octave takes the position of its letter nearest the note typed before it; the
// first one, nearest the middle line of the staff. The notes typed before any octave move together by octaves
// where they would run off the staff, so "G Bb D" stays a root-position chord on either
// staff; a note that still lies off the staff is refused, never folded into it.
std::vector<TypedNote> readNoteText(std::string_view text, Clef clef);

// A note as the staff's text names it: "E-flat 4", "F-sharp 5", "B 3".
std::string spokenNoteName(StaffNote note, Clef clef);
// A key of the on-screen keyboard: "C sharp 4", "D double flat 4", "E natural 4", "F 4".
std::string keyName(int position, int code, Clef clef);

// What the staff shows, read out: the clef, the key signature when one is shown, then the
// notes from the lowest.
struct StaffContent {
    Clef clef = Clef::Treble;
    std::optional<SignatureKind> signatureKind; // nothing while no signature is shown
    int signatureCount = 0;
    std::vector<StaffNote> notes; // lowest first
};
std::string staffText(const StaffContent& content);

// Why a note was not entered, in words that follow its name: "is already on the staff".
std::string refusalReason(EntryRefusal refusal, StaffNote note, int noteLimit);

} // namespace tonalyst
