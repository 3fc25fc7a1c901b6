#include "intervals/ToneFileName.h"

#include "theory/Note.h"

#include <array>

namespace tonalyst {

namespace {

constexpr std::array<int, 7> kNaturalSemitone{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 6> kCodeOffset{0, 0, 1, -1, 2, -2};
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

int naturalPitch(int notenum, ToneClef clef) {
    const int step = notenum - 1;
    return lowestC(clef) + 12 * (step / 7) + kNaturalSemitone[static_cast<std::size_t>(step % 7)];
}

} // namespace

std::optional<int> notePitch(int notetype, int notenum, ToneClef clef) {
    if (!onStaff(notetype, notenum))
        return std::nullopt;
    return naturalPitch(notenum, clef) + kCodeOffset[static_cast<std::size_t>(notetype)];
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
        const std::string digit = std::to_string(octaveDigit(naturalPitch(notenum, clef)));
        return std::string(lettername[static_cast<std::size_t>(notenum)]) + digit +
               (notetype == Sharp ? "#.MID" : ".MID");
    }
    const std::string name = kPitchName[static_cast<std::size_t>(*pitch % 12)];
    return name.substr(0, 1) + std::to_string(octaveDigit(*pitch)) + name.substr(1) + ".MID";
}

} // namespace tonalyst
