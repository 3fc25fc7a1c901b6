#pragma once

#include <array>
#include <vector>

namespace tonalyst {

enum class KeyMode { Major, Minor, MajorMinor };

// The key boxes as the student ticked them: box i of the sharp column is the pair of
// keys with i sharps, box i of the flat column the pair with i + 1 flats.
struct KeyBoxes {
    std::array<bool, 8> sharp{true, true, true, true, false, false, false, false};
    std::array<bool, 7> flat{true, true, true, false, false, false, false};
    KeyMode mode = KeyMode::MajorMinor;

    bool anyTicked() const;
    bool operator==(const KeyBoxes&) const = default;
};

struct EnabledKey {
    int letter;     // tonic letter index, C=0 ... B=6
    int accidental; // tonic accidental, -1, 0 or +1
    int sigCount;   // number of sharps or flats in the signature
    bool operator==(const EnabledKey&) const = default;
};

// Sharp-side keys by increasing sharps, then flat-side keys by increasing flats.
struct EnabledKeyList {
    std::vector<EnabledKey> keys;
    int sharpCount = 0; // how many of the keys stand on the sharp side
};

// The keys questions are drawn from, as the last accepted OK left them.
class KeySettings {
public:
    // Starts as the dialog's defaults confirmed.
    KeySettings();

    // Accepts the boxes as OK does. A selection with no key ticked is refused and
    // changes nothing (returns false). Otherwise the boxes and the mode are stored, and
    // the lists the mode uses are rebuilt: with mode Minor the major list stays as it
    // was, with mode Major the minor list does.
    bool accept(const KeyBoxes& boxes);

    const KeyBoxes& boxes() const { return m_boxes; }
    KeyMode mode() const { return m_boxes.mode; }
    const EnabledKeyList& majorKeys() const { return m_major; }
    const EnabledKeyList& minorKeys() const { return m_minor; }

private:
    KeyBoxes m_boxes;
    EnabledKeyList m_major;
    EnabledKeyList m_minor;
};

} // namespace tonalyst
