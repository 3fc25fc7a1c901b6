#include "theory/KeyPicker.h"

namespace tonalyst {

namespace {

void takeEnabledKey(CurrentKey& key, const EnabledKeyList& list, RandomSource& random) {
    const int k = random.index(static_cast<int>(list.keys.size()));
    const EnabledKey& entry = list.keys[static_cast<std::size_t>(k)];
    key.tonicletter = entry.letter;
    key.tonicaccidental = entry.accidental;
    key.sigCount = entry.sigCount;
    // Sharp-side keys stand first in the list.
    key.sigKind = k > list.sharpCount - 1 ? SignatureKind::Flat : SignatureKind::Sharp;
}

} // namespace

void fillScaleTables(CurrentKey& key, const StepTable& steps) {
    const ScaleDegrees degrees = buildscale(key.tonicletter, key.tonicaccidental, steps);
    for (std::size_t k = 0; k < 4; ++k) {
        for (std::size_t d = 0; d < degrees.size(); ++d) {
            const std::size_t entry = 7 * k + d;
            key.scaleletter[entry] = degrees[d].step + 7 * static_cast<int>(k);
            key.scaleacc[entry] = degrees[d].alter;
            key.keysigacc[entry] = degrees[d].alter;
        }
    }
}

CurrentKey pickkey(const QuestionContext& context) {
    const KeySettings& keys = context.settings.keys;
    const ActivityState& activity = context.activity;
    RandomSource& random = context.random;

    CurrentKey key;
    KeyMode keymode = keys.mode();
    KeyMode remembered = keymode;
    const StepTable* steps = &majorsteps;
    for (;;) {
        remembered = keymode;
        // Intervals and ear training are always set in a major scale.
        if (activity.selected.intervals || activity.selected.byEar)
            keymode = KeyMode::Major;

        if (keymode == KeyMode::Minor) {
            takeEnabledKey(key, keys.minorKeys(), random);
            steps = &minorsteps;
            break;
        }
        if (keymode == KeyMode::Major) {
            if (context.settings.intervalNotes == IntervalNotes::AllNotes && activity.selected.intervals) {
                // Any tonic C to A with a flat, natural or sharp; such a question shows no signature.
                key.tonicletter = random.index(6);
                key.tonicaccidental = random.index(3) - 1;
            } else {
                takeEnabledKey(key, keys.majorKeys(), random);
            }
            steps = &majorsteps;
            break;
        }
        // Major or minor in proportion to the enabled keys of each, so every enabled key
        // is equally likely; the chosen mode is then remembered in place of "majorminor".
        const double r = random.uniform();
        const double majorCount = static_cast<double>(keys.majorKeys().keys.size());
        const double minorCount = static_cast<double>(keys.minorKeys().keys.size());
        keymode = r < majorCount / (majorCount + minorCount) ? KeyMode::Major : KeyMode::Minor;
    }

    const std::string name = keyName(key.tonicletter, key.tonicaccidental, keymode);
    if (activity.current.keySignatureOnly)
        key.keyname = name;
    else if (!activity.selected.intervals)
        key.keyText = "  In the key of " + name + " " + std::string(keyModeCode(keymode));

    fillScaleTables(key, *steps);
    key.keymode = remembered;
    return key;
}

} // namespace tonalyst
