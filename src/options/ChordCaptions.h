#pragma once

#include <array>

namespace tonalyst::chordcaptions {

// The captions the triad and seventh boxes open with, before a Mixture box is first
// clicked. They differ in their blanks from the mixture-off captions below.
inline constexpr std::array<const char*, 7> kTriadsAtStart{
    "I/i ", "ii/ii-dim", "iii/III", "IV/iv", "V/v,V", "vi/VI", "vii-dim / VII, vii-dim"};
inline constexpr std::array<const char*, 6> kSeventhsAtStart{
    "ii7/ii-half-dim7", "iii7/III-maj7", "IV-maj7/iv7",
    "V7/v7,V7",         "vi7/VI-maj7",   "vii-half-dim7/VII7, vii-dim7"};

inline constexpr std::array<const char*, 7> kTriadsMixtureOff{
    "I/i", "ii/ii-dim", "iii/III", "IV/iv", "V/v,V", "vi/VI", "vii-dim/VII,vii-dim"};
// With mixture on, each caption adds the chord borrowed from the parallel mode.
inline constexpr std::array<const char*, 7> kTriadsMixtureOn{
    "I/i  (i/I)",  "ii/ii-dim  (ii-dim/ii)",  "iii/III  (Flat-III/III-aug)",       "IV/iv  (iv/IV)",
    "V/v,V (v/ )", "vi/VI  (Flat-VI/vi-dim)", "vii-dim/VII, vii-dim  (Flat-VII/ )"};

inline constexpr std::array<const char*, 6> kSeventhsMixtureOff{
    "ii7/ii-half-dim7", "iii7/III-maj7", "IV-maj7/iv7",
    "V7/v7,V7",         "vi7/VI-maj7",   "vii-half-dim7/VII7,vii-dim7"};
inline constexpr std::array<const char*, 6> kSeventhsMixtureOn{"ii7/ii-half-dim7  (ii-half-dim7/ii7)",
                                                               "iii7/III-maj7  ( / )",
                                                               "IV-maj7/iv7  (iv7/IV7)",
                                                               "V7/v7,V7  (v7/ )",
                                                               "vi7/VI-maj7  ( / )",
                                                               "vii-half-dim7/VII7,vii-dim7  (vii-dim7/ )"};

} // namespace tonalyst::chordcaptions
