#pragma once

#include <array>
#include <vector>

namespace tonalyst {

// The six chord categories, in the order of the chord-type answer menu.
enum class ChordCategory { Triad, Seventh, AppliedDominant, AppliedLeadingTone, AugmentedSixth, Neapolitan };

// The chord boxes as ticked in the chord settings.
struct ChordBoxes {
    std::array<bool, 7> triads{true, true, true, true, true, true, true};
    std::array<bool, 6> sevenths{};
    std::array<bool, 7> appliedDominants{};    // V7 of Flat-II, ii, iii, IV, V, vi, VII (minor only)
    std::array<bool, 6> appliedLeadingTones{}; // vii-dim7 of ii, iii, IV, V, vi, VII (minor only)
    std::array<bool, 3> augmentedSixths{};     // Italian, French, German
    bool neapolitan = false;
    bool triadMixture = false;
    bool seventhMixture = false;

    bool operator==(const ChordBoxes&) const = default;
};

// Why a chord selection cannot be accepted, checked in this order.
enum class ChordRefusal {
    None,
    NothingTicked,           // no chord ticked in any group
    AppliedDominantVIIOnly,  // the only applied dominant ticked is "V7 of VII (minor only)"
    AppliedLeadingToneVIIOnly // the only applied leading-tone chord is "vii-dim7 of VII (minor only)"
};

ChordRefusal checkChordBoxes(const ChordBoxes& boxes);

// The chords questions are drawn from, as the last accepted OK left them.
class ChordSettings {
public:
    // Starts as the dialog's defaults confirmed: the seven triads, nothing else.
    ChordSettings();

    // Accepts the boxes as OK does; a refused selection changes nothing.
    ChordRefusal accept(const ChordBoxes& boxes);

    const ChordBoxes& boxes() const { return m_boxes; }

    // Ticked indices of each group, in increasing order.
    const std::vector<int>& enabledTriads() const { return m_enabledTriads; }
    const std::vector<int>& enabledSevenths() const { return m_enabledSevenths; }
    const std::vector<int>& enabledVof() const { return m_enabledVof; }
    const std::vector<int>& enabledViiof() const { return m_enabledViiof; }
    const std::vector<int>& enabledAug6() const { return m_enabledAug6; }
    int neapolitanCount() const { return m_boxes.neapolitan ? 1 : 0; }
    int total() const { return m_total; }

    // Cumulative weights: category k is drawn when weight(k) <= r < weight(k + 1).
    const std::array<float, 7>& categoryWeight() const { return m_categoryWeight; }

private:
    ChordBoxes m_boxes;
    std::vector<int> m_enabledTriads;
    std::vector<int> m_enabledSevenths;
    std::vector<int> m_enabledVof;
    std::vector<int> m_enabledViiof;
    std::vector<int> m_enabledAug6;
    int m_total = 0;
    std::array<float, 7> m_categoryWeight{};
};

} // namespace tonalyst
