#pragma once

#include "theory/HeardInKey.h"

namespace tonalyst {

// Semitones above the tonic of the key's own scale degree (0 = tonic ... 6), on the major
// scale or on natural minor: the scale every name in a key counts from.
int scaleSemitones(bool minor, int degree);

// The note `letters` scale steps above the key's tonic (below when negative), raised or
// lowered by `alter` from the key's own scale and spelled on its letter.
Pitch scaleNote(const TonalKey& key, int letters, int alter = 0);

// The pitch class 0..11 of a note as it sounds.
int pitchClass(const Pitch& pitch);

} // namespace tonalyst
