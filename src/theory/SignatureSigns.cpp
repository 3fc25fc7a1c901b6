#include "theory/SignatureSigns.h"

#include "theory/KeySignatureGlyphs.h"
#include "theory/Pitch.h"

#include <algorithm>
#include <cstdlib>

namespace tonalyst {

std::array<int, 7> signatureAlterations(SignatureKind kind, int count) {
    std::array<int, 7> perLetter{};
    const bool sharps = kind == SignatureKind::Sharp;
    const std::array<int, 7>& order = sharps ? kSharpOrder : kFlatOrder;
    for (int k = 0; k < std::clamp(count, 0, 7); ++k)
        perLetter[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])] = sharps ? 1 : -1;
    return perLetter;
}

int signUnderSignature(int code, int alteration) {
    int meant = 0;
    switch (code) {
    case NoSign:
    case Natural:
        break;
    case Sharp:
        meant = 1;
        break;
    case Flat:
        meant = -1;
        break;
    case DoubleSharp:
        meant = 2;
        break;
    case DoubleFlat:
        meant = -2;
        break;
    default:
        return code;
    }
    if (meant == alteration)
        return code == Natural ? Natural : NoSign;
    return meant == 0 ? Natural : code;
}

KeySignature scaleSignature(const CurrentKey& key) {
    int sharps = 0;
    int flats = 0;
    for (std::size_t degree = 0; degree < 7; ++degree) {
        const int alteration = key.keysigacc[degree];
        (alteration > 0 ? sharps : flats) += std::abs(alteration);
    }
    if (flats > 0)
        return {SignatureKind::Flat, flats};
    return {SignatureKind::Sharp, sharps};
}

} // namespace tonalyst
