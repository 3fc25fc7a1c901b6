#pragma once

#include <array>

namespace tonalyst {

// A key's tonic: letter index (C=0 ... B=6) and accidental (-1 flat, 0 natural, +1 sharp).
struct Tonic {
    int letter;
    int accidental;
};

// The thirty keys, arranged by signature. Index i of a sharp table has i sharps;
// index i of a flat table has i + 1 flats.
inline constexpr std::array<Tonic, 8> kMajorSharpKeys{
    {{0, 0}, {4, 0}, {1, 0}, {5, 0}, {2, 0}, {6, 0}, {3, 1}, {0, 1}}};
inline constexpr std::array<Tonic, 8> kMinorSharpKeys{
    {{5, 0}, {2, 0}, {6, 0}, {3, 1}, {0, 1}, {4, 1}, {1, 1}, {5, 1}}};
inline constexpr std::array<Tonic, 7> kMajorFlatKeys{
    {{3, 0}, {6, -1}, {2, -1}, {5, -1}, {1, -1}, {4, -1}, {0, -1}}};
inline constexpr std::array<Tonic, 7> kMinorFlatKeys{
    {{1, 0}, {4, 0}, {0, 0}, {3, 0}, {6, -1}, {2, -1}, {5, -1}}};

} // namespace tonalyst
