#pragma once

#include "staff/KeyboardMarks.h"
#include "staff/StaffTypes.h"

#include <array>
#include <optional>
#include <vector>

namespace tonalyst {

// How the staff takes the answers of the activity in effect, as the activity tells.
struct EntryRules {
    // The answer is notes; otherwise it is names chosen elsewhere, and the keyboard only beeps.
    bool takesNotes = true;
    // Interval answers compare letters only, so there a natural sign is not kept.
    bool keepsNaturalSign = true;
};

// Why an entry was refused, in the order the checks run.
enum class EntryRefusal {
    SignNotHere,   // an accidental that cannot stand at that position
    PositionTaken, // a note already stands there
    StaffFull,     // the staff holds as many notes as the question has
    KeyTaken,      // another spelling of the same sounding key is entered
};

// The notes entered on the staff, by the question or by the student, and the rules that
// let a note on: at most four, kept sorted by position. The keyboard marks follow every
// accepted change.
class NoteEntry {
public:
    NoteEntry();

    // Adds a note ("ONN"). False when the entry is refused; nothing changes then.
    bool add(int position, int code);
    // What would refuse adding this note, or nothing when it would be accepted.
    std::optional<EntryRefusal> refusal(int position, int code) const;
    // Removes the note at a position ("OFF") and unmarks the keys by the code it was
    // entered with, so the keyboard stays in step with the staff. False when no note
    // stands there.
    bool remove(int position);
    // Removes every note, from the highest down, so the marks follow.
    void clear();

    // Lowest first.
    const std::vector<StaffNote>& enteredNotes() const { return m_notes; }
    int noteCount() const { return static_cast<int>(m_notes.size()); }
    int noteLimit() const { return m_noteLimit; }
    const KeyboardMarks& marks() const { return m_marks; }

    // The notes as drawn, lowest first. With a key's accidentals given,
    // each note carries the sign it needs beside the signature (signUnderSignature): a
    // sharp or flat the signature gives goes, a natural on a letter it alters gets its sign.
    std::vector<StaffNote> drawnNotes() const;

    // How many notes the current question takes (0 to 4).
    void setNoteLimit(int limit);
    void setRules(EntryRules rules) { m_rules = rules; }
    const EntryRules& rules() const { return m_rules; }
    // Per letter (C = 0 ... B = 6): +1 sharpened, -1 flattened by the key, 0 neither; or
    // nothing when the notes are drawn with all their signs.
    void setKeyAccidentals(std::optional<std::array<int, 7>> perLetter) { m_keyAccidentals = perLetter; }

private:
    bool hasNoteAt(int position) const;

    std::vector<StaffNote> m_notes;
    int m_noteLimit = kMaxNotes;
    EntryRules m_rules;
    std::optional<std::array<int, 7>> m_keyAccidentals;
    KeyboardMarks m_marks;
};

// Accidentals that cannot stand at a position: a double sharp on E or B, a double flat on
// C or F, a sharp on the top B, a flat on the bottom C.
bool isAllowedAtPosition(int position, int code);

} // namespace tonalyst
