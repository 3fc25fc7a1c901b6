#pragma once

#include <array>
#include <string_view>

namespace tonalyst {

// The six chord categories, by category index; also the captions of the chord-type answer menu.
inline constexpr std::array<std::string_view, 6> mnuchordtype{
    "Triad :", "Seventh :", "V7 of", "vii-dim7 of", "Augmented 6 :", "Flat-II (Neapolitan)"};

inline constexpr std::string_view kTriadCategory = mnuchordtype[0];
inline constexpr std::string_view kSeventhCategory = mnuchordtype[1];
inline constexpr std::string_view kVofCategory = mnuchordtype[2];
inline constexpr std::string_view kViiofCategory = mnuchordtype[3];
inline constexpr std::string_view kAug6Category = mnuchordtype[4];
inline constexpr std::string_view kFlat2Category = mnuchordtype[5];

// Marks an alternative chord that does not exist in that mode.
inline constexpr std::string_view kDud = "dud";

// By degree index; from 7 on the alternatives (borrowed or raised) of degrees 0..6.
inline constexpr std::array<std::string_view, 14> kMajorTriadNames{
    "I", "ii",     "iii",      "IV", "V", "vi",      "vii-dim",
    "i", "ii-dim", "Flat-III", "iv", "v", "Flat-VI", "Flat-VII"};
inline constexpr std::array<std::string_view, 14> kMinorTriadNames{
    "i", "ii-dim", "III", "iv", "v", "VI", "VII", "dud", "ii", "III-aug", "IV", "V", "vi-dim", "vii-dim"};

// By degree index (0 is the seventh on the second degree); from 6 on the alternatives.
inline constexpr std::array<std::string_view, 12> kMajorSeventhNames{
    "ii7",          "iii7", "IV-maj7", "V7", "vi7", "vii-half-dim7",
    "ii-half-dim7", "dud",  "iv7",     "v7", "dud", "vii-dim7"};
inline constexpr std::array<std::string_view, 12> kMinorSeventhNames{
    "ii-half-dim7", "III-maj7", "iv7", "v7", "VI-maj7", "VII7", "ii7", "dud", "IV7", "V7", "dud", "vii-dim7"};

// Applied-chord targets. The blanks belong to the names: the judge compares three characters.
inline constexpr std::array<std::string_view, 7> kMajorVofNames{"Flat-II", "ii ", "iii", "IV ",
                                                                "V  ",     "vi ", "dud"};
inline constexpr std::array<std::string_view, 7> kMinorVofNames{"Flat-II",   "ii ", "III", "IV (or iv)",
                                                                "V  (or v)", "VI ", "VII"};
inline constexpr std::array<std::string_view, 6> kMajorViiofNames{"ii ", "iii", "IV ", "V  ", "vi ", "dud"};
inline constexpr std::array<std::string_view, 6> kMinorViiofNames{"ii ",       "III", "IV (or iv)",
                                                                  "V  (or v)", "VI ", "VII"};

inline constexpr std::array<std::string_view, 3> kAug6Names{"Italian", "French", "German"};

// Inversion labels by inversion number.
inline constexpr std::array<std::string_view, 4> kPlainInversionLabels{"(root position)", "(1st inversion)",
                                                                       "(2nd inversion)", "(3rd inversion)"};
inline constexpr std::array<std::string_view, 3> kFiguredTriadLabels{"5-3", "6-3", "6-4"};
inline constexpr std::array<std::string_view, 4> kFiguredSeventhLabels{"7-5-3", "6-5-3", "6-4-3", "6-4-2"};

inline constexpr std::string_view kRaisedTriadHint = "Watch for raised scale degree 3, 6 or 7";
inline constexpr std::string_view kRaisedSeventhHint = "Watch for raised scale degree 6 or 7";
inline constexpr std::string_view kFlatDegreeHint = "Watch for flat scale degree 3, 6 or 7";

} // namespace tonalyst
