#pragma once

#include "theory/HeardInKey.h"
#include "theory/RandomSource.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tonalyst {

struct Numeral;

// One chord as the voicing needs it: its notes from the root up and what each may do.
struct ChordToVoice {
    std::vector<Pitch> tones; // root, third, fifth (, seventh), any octave
    int bass = 0;             // the tone in the bass, by index
    int leadingTone = -1;     // never doubled; rises a semitone when the next chord has the note
    int seventh = -1;         // never doubled; falls by step when the next chord has the note
    int doubled = 0;          // the tone a triad doubles by preference
    int sopranoTone = -1;     // the tone the soprano must take, -1 for any
    int sopranoAvoid = -1;    // a tone the soprano must not take, -1 for none
};

ChordToVoice chordToVoice(const TonalKey& key, const Numeral& numeral);
// The same for a numeral known to be well formed, as the generators' own names are.
ChordToVoice chordToVoice(const TonalKey& key, std::string_view numeral);

// Four parts (bass, tenor, alto, soprano) for each chord, lowest first, moving as little
// as the rules allow; the random source breaks ties so that a progression is not always
// voiced alike. Nothing when the rules leave no way through.
std::optional<std::vector<Sonority>> voiceChords(const std::vector<ChordToVoice>& chords,
                                                 RandomSource* random);

} // namespace tonalyst
