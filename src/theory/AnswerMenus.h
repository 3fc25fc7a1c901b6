#pragma once

#include "theory/QuestionSettings.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// Captions of the identification answer menus; a chosen caption is the answer value.
inline constexpr std::array<std::string_view, 19> mnutri{
    "I", "i", "ii", "ii-dim", "iii", "III",     "Flat-III", "III-aug", "IV",      "iv",
    "V", "v", "vi", "vi-dim", "VI",  "Flat-VI", "vii-dim",  "VII",     "Flat-VII"};
inline constexpr std::array<std::string_view, 14> mnusev{
    "ii7", "ii-half-dim7", "iii7", "III-maj7", "IV-maj7",       "IV7",  "iv7",
    "V7",  "v7",           "vi7",  "VI-maj7",  "vii-half-dim7", "VII7", "vii-dim7"};
inline constexpr std::array<std::string_view, 9> mnuVof{"Flat-II",   "ii ", "iii", "III", "IV (or iv)",
                                                        "V  (or v)", "vi ", "VI ", "VII"};
inline constexpr std::array<std::string_view, 8> mnuviiof{"ii ",       "iii", "III", "IV (or iv)",
                                                          "V  (or v)", "vi ", "VI ", "VII"};
inline constexpr std::array<std::string_view, 3> mnu6{"German", "French", "Italian"};

inline constexpr std::array<std::string_view, 2> mnukeymode{"major :", "minor :"};
inline constexpr std::array<std::string_view, 15> mnumajkey{"C",      "C-sharp", "D-flat", "D", "E-flat", "E",
                                                            "F",      "F-sharp", "G-flat", "G", "A-flat", "A",
                                                            "B-flat", "B",       "C-flat"};
inline constexpr std::array<std::string_view, 15> mnuminkey{
    "c", "c-sharp", "d",      "d-sharp", "e-flat",  "e",      "f", "f-sharp",
    "g", "g-sharp", "a-flat", "a",       "a-sharp", "b-flat", "b"};

// The interval answer menu: mnuintervaltype(i) with its quality submenu intervalQualityMenu(i).
inline constexpr std::array<std::string_view, 8> mnuintervaltype{
    "Unison : ", "Second :", "Third :", "Fourth :", "Fifth :", "Sixth :", "Seventh :", "Octave :"};
inline constexpr std::array<std::string_view, 1> mnuunison{"perfect"};
inline constexpr std::array<std::string_view, 3> mnusecond{"minor", "major", "augmented"};
inline constexpr std::array<std::string_view, 3> mnuthird{"diminished", "minor", "major"};
inline constexpr std::array<std::string_view, 3> mnufourth{"diminished", "perfect", "augmented"};
inline constexpr std::array<std::string_view, 3> mnufifth{"diminished", "perfect", "augmented"};
inline constexpr std::array<std::string_view, 3> mnusixth{"minor", "major", "augmented"};
inline constexpr std::array<std::string_view, 3> mnuseventh{"diminished", "minor", "major"};
inline constexpr std::array<std::string_view, 1> mnuoctave{"perfect"};

// One entry of a submenu: the submenu's control name and the entry's index.
struct MenuItemRef {
    std::string_view menu;
    int index;
    bool operator==(const MenuItemRef&) const = default;
};

// The submenu of the interval type mnuintervaltype(type), type 0..7: its control name and captions.
struct IntervalQualityMenu {
    std::string_view menu;
    std::span<const std::string_view> captions;
};
IntervalQualityMenu intervalQualityMenu(int type);

// The seven advanced intervals' menu entries, hidden while ear training runs.
inline constexpr std::array<MenuItemRef, 7> kAdvancedIntervalItems{{{"mnusecond", 2},
                                                                    {"mnuthird", 0},
                                                                    {"mnufourth", 0},
                                                                    {"mnufourth", 2},
                                                                    {"mnufifth", 2},
                                                                    {"mnusixth", 2},
                                                                    {"mnuseventh", 0}}};
bool isAdvancedIntervalItem(std::string_view menu, int index);

// The chord ear-training answer menu: mnuchordtypeet(0) "Triad :" opens mnutriet,
// mnuchordtypeet(1) "Seventh :" opens mnusevet.
inline constexpr std::array<std::string_view, 2> mnuchordtypeet{"Triad :", "Seventh :"};
inline constexpr std::array<std::string_view, 4> mnutriet{"diminished", "minor", "major", "augmented"};
inline constexpr std::array<std::string_view, 5> mnusevet{"diminished", "half-diminished", "minor", "major",
                                                          "dominant (major-minor)"};

// The last entry of the inversion list, selected while no inversion is chosen.
inline constexpr std::string_view kNoInversionChosen = "(inversion)";

// The inversion list for a question of noteCount notes (3 or 4) under the notation of
// the option: plain or figured labels, then "(inversion)".
std::vector<std::string> inversionMenuLabels(int noteCount, InversionOption option);

// The combined answer shown with figured-bass notation, from the chosen category
// (answer1), chord (answer2) and figure; the question's category decides whether a
// figure counts at all. Nothing when answer1 is no chord category.
std::optional<std::string> makefigbassIDanswer(std::string_view answer1, std::string_view answer2,
                                               std::string_view figure, std::string_view category);

} // namespace tonalyst
