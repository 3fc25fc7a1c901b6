#pragma once

#include <vector>

namespace tonalyst {

// A note of a phrase: its MIDI key (60 = middle C), when it starts and how long it
// sounds, in seconds from the phrase's start.
struct PhraseNote {
    int key = 60;
    double start = 0.0;
    double length = 0.0;
    int velocity = 80;
    bool operator==(const PhraseNote&) const = default;
};

// Notes that sound together and after one another, as a cadence and the chords after it.
struct Phrase {
    std::vector<PhraseNote> notes;
    bool operator==(const Phrase&) const = default;
};

} // namespace tonalyst
