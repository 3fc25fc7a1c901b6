#pragma once

#include "theory/KeyPicker.h"
#include "theory/KeySettings.h"
#include "theory/KeyTables.h"
#include "theory/Pitch.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace tonalyst::test {

// Only the key boxes named (sharp box i: i sharps; flat box i: i + 1 flats) ticked.
inline KeyBoxes onlyBoxes(std::initializer_list<int> sharp, std::initializer_list<int> flat, KeyMode mode) {
    KeyBoxes boxes;
    boxes.sharp.fill(false);
    boxes.flat.fill(false);
    for (int i : sharp)
        boxes.sharp[static_cast<std::size_t>(i)] = true;
    for (int i : flat)
        boxes.flat[static_cast<std::size_t>(i)] = true;
    boxes.mode = mode;
    return boxes;
}

// The key with this tonic and mode, spelled as pickkey spells it.
inline CurrentKey keyFor(int letter, int accidental, KeyMode mode) {
    CurrentKey key;
    key.keymode = mode;
    key.tonicletter = letter;
    key.tonicaccidental = accidental;
    fillScaleTables(key, mode == KeyMode::Minor ? minorsteps : majorsteps);
    return key;
}

// Every one of the thirty keys.
inline std::vector<CurrentKey> allKeys() {
    std::vector<CurrentKey> keys;
    for (const Tonic& t : kMajorSharpKeys)
        keys.push_back(keyFor(t.letter, t.accidental, KeyMode::Major));
    for (const Tonic& t : kMajorFlatKeys)
        keys.push_back(keyFor(t.letter, t.accidental, KeyMode::Major));
    for (const Tonic& t : kMinorSharpKeys)
        keys.push_back(keyFor(t.letter, t.accidental, KeyMode::Minor));
    for (const Tonic& t : kMinorFlatKeys)
        keys.push_back(keyFor(t.letter, t.accidental, KeyMode::Minor));
    return keys;
}

// Sounding pitch in semitones above the lowest C, worked out from letter and accidental only.
inline int semitones(const Pitch& note) {
    static constexpr int kNatural[7]{0, 2, 4, 5, 7, 9, 11};
    const int octave = note.step >= 0 ? note.step / 7 : (note.step - 6) / 7;
    return 12 * octave + kNatural[note.letter()] + note.alter;
}

inline std::string spelled(const std::vector<Pitch>& notes) {
    std::string text;
    for (const Pitch& note : notes)
        text.append(text.empty() ? "" : " ").append(noteName(note));
    return text;
}

} // namespace tonalyst::test
