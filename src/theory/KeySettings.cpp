#include "theory/KeySettings.h"

#include "theory/KeyTables.h"

#include <algorithm>

namespace tonalyst {

namespace {

template <std::size_t S, std::size_t F>
EnabledKeyList buildList(const KeyBoxes& boxes, const std::array<Tonic, S>& sharpKeys,
                         const std::array<Tonic, F>& flatKeys) {
    EnabledKeyList list;
    for (std::size_t i = 0; i < S; ++i)
        if (boxes.sharp[i])
            list.keys.push_back({sharpKeys[i].letter, sharpKeys[i].accidental, static_cast<int>(i)});
    list.sharpCount = static_cast<int>(list.keys.size());
    for (std::size_t i = 0; i < F; ++i)
        if (boxes.flat[i])
            list.keys.push_back({flatKeys[i].letter, flatKeys[i].accidental, static_cast<int>(i) + 1});
    return list;
}

} // namespace

bool KeyBoxes::anyTicked() const {
    const auto ticked = [](bool box) { return box; };
    return std::any_of(sharp.begin(), sharp.end(), ticked) || std::any_of(flat.begin(), flat.end(), ticked);
}

KeySettings::KeySettings() {
    accept(KeyBoxes{});
}

bool KeySettings::accept(const KeyBoxes& boxes) {
    if (!boxes.anyTicked())
        return false;
    m_boxes = boxes;
    if (boxes.mode != KeyMode::Minor)
        m_major = buildList(boxes, kMajorSharpKeys, kMajorFlatKeys);
    if (boxes.mode != KeyMode::Major)
        m_minor = buildList(boxes, kMinorSharpKeys, kMinorFlatKeys);
    return true;
}

} // namespace tonalyst
