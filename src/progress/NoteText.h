#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace tonalyst {

// A note as the history writes it: letter, accidentals and octave ("Eb4", "F#3", "Bbb2",
// "C##5" or "Cx5"; "n" for a written natural). A note without an octave is read in octave 4.
struct NoteText {
    int letter = 0;     // C=0 ... B=6
    int accidental = 0; // semitones from the natural letter
    int octave = 4;
    // A natural written with its sign, which the judge tells from one written without.
    bool naturalSign = false;

    int pitchClass() const;
    // Semitones above C0 as the note sounds: B-sharp 3 and C 4 are one pitch.
    int pitch() const;
    bool operator==(const NoteText&) const = default;
};

// The blank-separated notes of a text, or nothing when any of them cannot be read.
std::optional<std::vector<NoteText>> readNotes(const QString& text);

// "A-flat", "F-double-sharp", "E-natural" (with its sign): the note's name without its octave.
QString noteTextName(const NoteText& note);

} // namespace tonalyst
