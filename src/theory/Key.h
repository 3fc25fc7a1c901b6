#pragma once

#include "theory/KeySettings.h"
#include "theory/SignatureKind.h"

#include <array>
#include <string>
#include <string_view>

namespace tonalyst {

// "major", "minor", "majorminor".
std::string_view keyModeCode(KeyMode mode);

// The key name: "E-flat" for a major key, "e-flat" for a minor one (any mode but minor
// names the major key).
std::string keyName(int tonicLetter, int tonicAccidental, KeyMode mode);

// Four octaves of scale degrees: entry 7k + d is degree d (0 = tonic) in octave k.
using ScaleTable = std::array<int, 28>;

// The key a question is set in, as drawn for it.
struct CurrentKey {
    // The mode in force. For interval and ear-training questions the scale is major
    // while this keeps the key-settings mode, "majorminor" included.
    KeyMode keymode = KeyMode::Major;
    // The applied-chord generators overwrite the tonic with the one they build on.
    int tonicletter = 0;
    int tonicaccidental = 0;
    ScaleTable scaleletter{};
    ScaleTable scaleacc{};  // the chord generators alter it for borrowed and raised notes
    ScaleTable keysigacc{}; // scaleacc before any alteration: what the signature gives
    std::string keyname;    // only for key-signature questions
    std::string keyText;    // "  In the key of E-flat major", or empty
    int sigCount = 0;
    SignatureKind sigKind = SignatureKind::Sharp;
};

} // namespace tonalyst
