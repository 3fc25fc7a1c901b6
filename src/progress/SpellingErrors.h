#pragma once

#include "theory/Pitch.h"

#include <QString>

#include <optional>
#include <vector>

namespace tonalyst {

// The kinds of mistake a written answer can hold.
enum class SpellingErrorKind {
    Enharmonic,      // the right pitch under another letter: A-flat for G-sharp
    WrongAccidental, // the right letter with the wrong accidental: C for C-sharp
    WrongMember,     // another note in place of one of the answer's notes
    Missing,         // a note of the answer not written
    Extra,           // a note written beyond the answer's
    WrongOctave,     // the right note in another octave
    Unreadable,      // the answer given cannot be read as notes
};

// One mistake: the note given and the note that was right (either absent for a missing or
// an extra note).
struct SpellingError {
    SpellingErrorKind kind;
    std::optional<Pitch> given;
    std::optional<Pitch> right;
    bool operator==(const SpellingError&) const = default;
};

// The blank-separated notes of a history answer ("Eb4 G##3 Cx5 Fn4"; a note without an octave
// is in octave 4), or nothing when any of them cannot be read. The history writes its letters
// in upper case, so a lower-case one is no note of it.
std::optional<std::vector<Pitch>> readHistoryNotes(const QString& text);

// The mistakes that make the notes given differ from the right notes. Notes that agree are
// set aside first; the rest are paired so that the answer is explained with the fewest
// mistakes, the nearer kinds of slip first, so one slip is never counted as two. The right
// pitch means the same sounding pitch, octave included. Right notes in their order, then
// extra notes. Empty when the two agree.
std::vector<SpellingError> classifySpelling(const QString& given, const QString& right);

// "Right pitch, wrong spelling", "Missing note"...; chord spelling calls a wrong note a
// wrong chord member.
QString spellingErrorKindName(SpellingErrorKind kind, bool chords);

// "A-flat for G-sharp", "B-flat" (missing or extra), "E-flat in another octave".
QString spellingErrorDetail(const SpellingError& error);

} // namespace tonalyst
