#pragma once

#include <array>

namespace tonalyst {

// The letters of a key signature in the order they are written (letter index C=0 ... B=6):
// sharps F C G D A E B, flats B E A D G C F.
inline constexpr std::array<int, 7> kSharpOrder{3, 0, 4, 1, 5, 2, 6};
inline constexpr std::array<int, 7> kFlatOrder{6, 2, 5, 1, 4, 0, 3};

// Horizontal offset in twips of signature glyph i from the left edge of the staff's drop zone.
constexpr int signatureGlyphX(int i) {
    return 600 + 120 * i;
}

} // namespace tonalyst
