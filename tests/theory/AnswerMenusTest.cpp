#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"
#include "theory/Key.h"
#include "theory/KeyTables.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tonalyst {
namespace {

template <typename Menu> bool hasCaption(const Menu& menu, std::string_view caption) {
    return std::find(menu.begin(), menu.end(), caption) != menu.end();
}

// The judge compares only the first three characters of an applied chord's target.
template <typename Menu> bool hasTarget(const Menu& menu, std::string_view name) {
    return std::any_of(menu.begin(), menu.end(),
                       [&](std::string_view caption) { return caption.substr(0, 3) == name.substr(0, 3); });
}

TEST(AnswerMenus, EveryChordThatCanBeAskedCanBeAnswered) {
    for (const auto* names : {&kMajorTriadNames, &kMinorTriadNames})
        for (std::string_view name : *names)
            EXPECT_TRUE(name == kDud || hasCaption(mnutri, name)) << name;
    for (const auto* names : {&kMajorSeventhNames, &kMinorSeventhNames})
        for (std::string_view name : *names)
            EXPECT_TRUE(name == kDud || hasCaption(mnusev, name)) << name;
    for (const auto* names : {&kMajorVofNames, &kMinorVofNames})
        for (std::string_view name : *names)
            EXPECT_TRUE(name == kDud || hasTarget(mnuVof, name)) << name;
    for (const auto* names : {&kMajorViiofNames, &kMinorViiofNames})
        for (std::string_view name : *names)
            EXPECT_TRUE(name == kDud || hasTarget(mnuviiof, name)) << name;
    for (std::string_view name : kAug6Names)
        EXPECT_TRUE(hasCaption(mnu6, name)) << name;
}

TEST(AnswerMenus, EveryKeyIsInItsModesMenuExactlyOnce) {
    const auto check = [](const auto& tonics, KeyMode mode, const auto& menu) {
        for (const Tonic& t : tonics)
            EXPECT_EQ(std::count(menu.begin(), menu.end(), keyName(t.letter, t.accidental, mode)), 1)
                << keyName(t.letter, t.accidental, mode);
    };
    check(kMajorSharpKeys, KeyMode::Major, mnumajkey);
    check(kMajorFlatKeys, KeyMode::Major, mnumajkey);
    check(kMinorSharpKeys, KeyMode::Minor, mnuminkey);
    check(kMinorFlatKeys, KeyMode::Minor, mnuminkey);
}

TEST(AnswerMenus, InversionListMatchesTheQuestionSizeAndNotation) {
    EXPECT_EQ(
        inversionMenuLabels(3, InversionOption::Basic),
        (std::vector<std::string>{"(root position)", "(1st inversion)", "(2nd inversion)", "(inversion)"}));
    EXPECT_EQ(inversionMenuLabels(4, InversionOption::Basic).size(), 5u);
    EXPECT_EQ(inversionMenuLabels(3, InversionOption::FiguredBass),
              (std::vector<std::string>{"5-3", "6-3", "6-4", "(inversion)"}));
    EXPECT_EQ(inversionMenuLabels(4, InversionOption::FiguredBass),
              (std::vector<std::string>{"7-5-3", "6-5-3", "6-4-3", "6-4-2", "(inversion)"}));
}

TEST(AnswerMenus, FiguredBassAnswerCombinesTheChosenParts) {
    EXPECT_EQ(makefigbassIDanswer("V7 of", "IV (or iv)", "6-5-3", "V7 of"), "V 6-5-3 of IV (or iv)");
    EXPECT_EQ(makefigbassIDanswer("vii-dim7 of", "V  (or v)", "6-4-2", "Triad :"),
              "vii-dim 6-4-2 of V  (or v)");
    EXPECT_EQ(makefigbassIDanswer("Triad :", "IV", "6-3", "Triad :"), "IV 6-3");
    EXPECT_EQ(makefigbassIDanswer("Seventh :", "V7", "6-4-3", "Seventh :"), "V 6-4-3");
    EXPECT_EQ(makefigbassIDanswer("Flat-II (Neapolitan)", "", "6-3", "Triad :"), "6-3");
    EXPECT_EQ(makefigbassIDanswer("Augmented 6 :", "German", "", "Augmented 6 :"), "German");
    // An augmented-sixth question takes no figure, whatever was chosen.
    EXPECT_EQ(makefigbassIDanswer("Triad :", "IV", "6-3", "Augmented 6 :"), "IV ");
    EXPECT_FALSE(makefigbassIDanswer("", "IV", "6-3", "Triad :").has_value());
}

} // namespace
} // namespace tonalyst
