#include "theory/ChordSettings.h"

namespace tonalyst {

namespace {

template <std::size_t N>
std::vector<int> tickedIndices(const std::array<bool, N>& boxes) {
    std::vector<int> indices;
    for (std::size_t i = 0; i < N; ++i)
        if (boxes[i])
            indices.push_back(static_cast<int>(i));
    return indices;
}

// True when the only ticked box of the group is its last one (the "VII (minor only)" box).
template <std::size_t N>
bool onlyLastTicked(const std::array<bool, N>& boxes) {
    const std::vector<int> ticked = tickedIndices(boxes);
    return ticked.size() == 1 && ticked.front() == static_cast<int>(N) - 1;
}

} // namespace

ChordRefusal checkChordBoxes(const ChordBoxes& boxes) {
    const std::size_t total = tickedIndices(boxes.triads).size() + tickedIndices(boxes.sevenths).size() +
                              tickedIndices(boxes.appliedDominants).size() +
                              tickedIndices(boxes.appliedLeadingTones).size() +
                              tickedIndices(boxes.augmentedSixths).size() + (boxes.neapolitan ? 1 : 0);
    if (total == 0)
        return ChordRefusal::NothingTicked;
    if (onlyLastTicked(boxes.appliedDominants))
        return ChordRefusal::AppliedDominantVIIOnly;
    if (onlyLastTicked(boxes.appliedLeadingTones))
        return ChordRefusal::AppliedLeadingToneVIIOnly;
    return ChordRefusal::None;
}

ChordSettings::ChordSettings() {
    accept(ChordBoxes{});
}

ChordRefusal ChordSettings::accept(const ChordBoxes& boxes) {
    const ChordRefusal refusal = checkChordBoxes(boxes);
    if (refusal != ChordRefusal::None)
        return refusal;

    m_boxes = boxes;
    m_enabledTriads = tickedIndices(boxes.triads);
    m_enabledSevenths = tickedIndices(boxes.sevenths);
    m_enabledVof = tickedIndices(boxes.appliedDominants);
    m_enabledViiof = tickedIndices(boxes.appliedLeadingTones);
    m_enabledAug6 = tickedIndices(boxes.augmentedSixths);

    const std::array<int, 6> sizes{static_cast<int>(m_enabledTriads.size()),
                                   static_cast<int>(m_enabledSevenths.size()),
                                   static_cast<int>(m_enabledVof.size()),
                                   static_cast<int>(m_enabledViiof.size()),
                                   static_cast<int>(m_enabledAug6.size()),
                                   neapolitanCount()};
    m_total = 0;
    for (int size : sizes)
        m_total += size;

    // Single precision, as the weights have always been kept.
    const float n = static_cast<float>(m_total);
    int runningSum = 0;
    m_categoryWeight[0] = 0.0f;
    for (std::size_t k = 1; k < 6; ++k) {
        runningSum += sizes[k - 1];
        m_categoryWeight[k] = static_cast<float>(runningSum) / n;
    }
    m_categoryWeight[6] = 1.0f;
    return ChordRefusal::None;
}

} // namespace tonalyst
