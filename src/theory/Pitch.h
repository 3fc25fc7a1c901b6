#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tonalyst {

// Accidental codes: the index of the note buttons, the accidental pictures, the note
// pictures and tone playback, and the sign a student must write.
enum AccidentalCode { NoSign = 0, Natural = 1, Sharp = 2, Flat = 3, DoubleSharp = 4, DoubleFlat = 5 };
inline constexpr int kAccidentalCodes = 6;

// A written note: its letter and octave, its accidental, and whether a natural carries its
// sign. Every layer speaks of notes in this type and turns it into staff positions, history
// text or spoken names only at its edge.
struct Pitch {
    // Letter steps from middle C: C4 = 0, D4 = 1, B3 = -1, C5 = 7.
    int step = 0;
    // Semitones from the natural letter: -2 double flat ... +2 double sharp. The chord
    // generators may go one further before a question is thrown away as unwritable.
    int alter = 0;
    // A natural written with its sign: against a key signature it is part of the answer,
    // and the judge tells it from one written without.
    bool naturalSign = false;

    // The letter C = 0 ... B = 6, and the octave in scientific pitch.
    int letter() const;
    int octave() const;
    char letterName() const;
    // Semitones above middle C as the note sounds: B-sharp 3 and C 4 are one pitch.
    int semitones() const;
    // The sign written on the note; NoSign beyond a double sharp or flat.
    AccidentalCode code() const;

    bool operator==(const Pitch&) const = default;
};

// The note at a letter step written with an accidental code.
Pitch pitchWithCode(int step, AccidentalCode code);

// The note `steps` letters and `semitones` above (below when negative), spelled from the
// letter it lands on: a minor third above A is C, above G-sharp it is B.
Pitch transposed(const Pitch& from, int steps, int semitones);

// A note read from text, and whether the text gave its octave (without one it is in octave 4).
struct ReadPitch {
    Pitch pitch;
    bool octaveGiven = false;
    bool operator==(const ReadPitch&) const = default;
};

// Reads one note: a letter A-G in either case; an accidental written short (# sharp, b flat,
// x or ## double sharp, bb double flat, n natural) or spelled out as the program names it
// ("-sharp", "-double-flat", "-natural"); then an optional octave of one or two digits,
// C4 being middle C, which may follow a blank as the staff's text writes it ("B-flat 3").
// Nothing when the text is not one note.
std::optional<ReadPitch> readPitch(std::string_view text);

// "C", "A-flat", "F-double-sharp", "E-natural" (with its sign): the note in English, as
// key names and JSON keep it. What a person reads is named in the chosen naming
// (theory/NoteNames.h).
std::string noteName(const Pitch& pitch);
// "Eb4", "F#3", "Cx5", "En4": the note as the history stores it; readPitch reads it back.
std::string pitchText(const Pitch& pitch);

// Whether a student can write the note at all: the staff and the keyboard hold no
// triple accidentals, no double sharp on E or B and no double flat on C or F.
bool isWritable(const Pitch& pitch);

} // namespace tonalyst
