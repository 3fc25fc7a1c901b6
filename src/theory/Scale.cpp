#include "theory/Scale.h"

namespace tonalyst {

ScaleDegrees buildscale(int tonicLetter, int tonicAccidental, const StepTable& stepsinuse) {
    ScaleDegrees degrees{};
    degrees[0] = {tonicLetter, tonicAccidental};
    for (std::size_t d = 1; d < degrees.size(); ++d) {
        const int step = tonicLetter + static_cast<int>(d);
        // What the pattern asks for, less what the plain letters already give.
        degrees[d] = {step,
                      degrees[d - 1].alter + stepsinuse[d] - naturalsteps[static_cast<std::size_t>(step)]};
    }
    return degrees;
}

} // namespace tonalyst
