#pragma once

#include <array>

namespace tonalyst {

// One size of the program's icon, as the program draws it: premultiplied 32-bit ARGB,
// `size` rows of `size` pixels. Written from the PNG files while building.
struct IconPixels {
    int size;
    const unsigned char* argb;
};

extern const std::array<IconPixels, 3> kIconPixels;

} // namespace tonalyst
