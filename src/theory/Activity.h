#pragma once

#include <string_view>

namespace tonalyst {

// What question making, answer preparation and the records take from an activity
// (src/activities). The toolkit reads these, never which activity it is, so a new
// activity brings its own combination.
struct ActivityTraits {
    bool intervals = false;        // asks intervals; otherwise chords or keys
    bool names = false;            // the student names what is given; otherwise spells it
    bool byEar = false;            // the question is heard, not seen
    bool keySignatureOnly = false; // only the key signature is asked
    // The data file's and the history's activity code ("spell", "keysigid", "eartraining").
    std::string_view recordCode = "spell";

    // Names a chord or a key it is given; spells a chord from its name.
    bool namesChord() const { return names && !intervals; }
    bool spellsChord() const { return !names && !intervals; }
};

enum class Method { Practice, Test };

// The codes the data file and the reports use: "practice", "test".
std::string_view methodCode(Method method);

} // namespace tonalyst
