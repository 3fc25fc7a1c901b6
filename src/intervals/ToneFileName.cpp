#include "intervals/ToneFileName.h"

#include "theory/Pitch.h"

#include <array>

namespace tonalyst {

namespace {

constexpr std::array<const char*, 12> kPitchName{"C",  "C#", "D",  "D#", "E",  "F",
                                                 "F#", "G",  "G#", "A",  "A#", "B"};

bool onStaff(int notetype, int notenum) {
    return notetype >= NoSign && notetype <= DoubleFlat && notenum >= 1 && notenum <= 14;
}

int lowestC(ToneClef clef) {
    return clef == ToneClef::Treble ? 60 : 36;
}

// File names count octaves from digit 3 at middle C.
int octaveDigit(int pitch) {
    return pitch / 12 - 2;
}

// Staff position 1 is the clef's lowest C.
int midiPitch(const Pitch& pitch, ToneClef clef) {
    return lowestC(clef) + pitch.semitones();
}

} // namespace

std::optional<int> notePitch(int notetype, int notenum, ToneClef clef) {
    if (!onStaff(notetype, notenum))
        return std::nullopt;
    return midiPitch(pitchWithCode(notenum - 1, static_cast<AccidentalCode>(notetype)), clef);
}

std::optional<std::string> playnotesFileName(int notetype, int notenum, ToneClef clef) {
    const std::optional<int> pitch = notePitch(notetype, notenum, clef);
    if (!pitch)
        return std::nullopt;
    // Plain notes and sharps keep their written letter, so E sharp and B sharp sound from
    // "E3#" and "B3#". Flats and doubles are named from the pitch they sound: the letter
    // below is not always a semitone away (F flat is E, C double flat is B flat) and can
    // lie in the octave below (C flat on middle C is the B under it).
    if (notetype == NoSign || notetype == Natural || notetype == Sharp) {
        const Pitch natural{notenum - 1};
        const std::string digit = std::to_string(octaveDigit(midiPitch(natural, clef)));
        return natural.letterName() + digit + (notetype == Sharp ? "#.MID" : ".MID");
    }
    const std::string name = kPitchName[static_cast<std::size_t>(*pitch % 12)];
    return name.substr(0, 1) + std::to_string(octaveDigit(*pitch)) + name.substr(1) + ".MID";
}

} // namespace tonalyst
