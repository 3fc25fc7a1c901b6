#pragma once

#include <string_view>

namespace tonalyst {

// Which note of an interval question is given and which way its notes sound: "above"
// gives the lower note and sounds upwards, "below" gives the upper note and sounds
// downwards. Chords always run upwards from note 1.
enum class IntervalDirection { Above, Below };

// "above" or "below".
constexpr std::string_view directionCode(IntervalDirection direction) {
    return direction == IntervalDirection::Below ? "below" : "above";
}

} // namespace tonalyst
