#pragma once

#include "theory/Key.h"
#include "theory/SignatureKind.h"

#include <array>

namespace tonalyst {

// Per letter (C = 0 ... B = 6): +1 where a key signature of this kind and count sharpens
// the letter, -1 where it flattens it, 0 elsewhere. Counts beyond seven give all seven.
std::array<int, 7> signatureAlterations(SignatureKind kind, int count);

// The sign to draw for a note of this accidental code on a letter the key signature
// alters by `alteration`, so that note and signature read as the code means: no sign
// where the signature already gives the pitch, a natural sign where the signature alters
// a letter meant natural. No sign and a natural sign both mean the natural letter; a
// natural sign the signature makes needless is kept as it was written.
int signUnderSignature(int code, int alteration);

// The signature a key's own scale gives. A key beyond seven sharps or flats counts each
// double sharp or flat twice (D-sharp major: nine sharps).
struct KeySignature {
    SignatureKind kind = SignatureKind::Sharp;
    int count = 0;
};
KeySignature scaleSignature(const CurrentKey& key);

} // namespace tonalyst
