#include "theory/ChordGenerators.h"
#include "theory/ChordNames.h"
#include "theory/Scale.h"
#include "theory/Translate.h"

#include <array>

namespace tonalyst {

namespace {

// Three octaves of the major scale on the key's current tonic.
std::array<Pitch, 21> temporaryMajorScale(const CurrentKey& key) {
    const ScaleDegrees degrees = buildscale(key.tonicletter, key.tonicaccidental, majorsteps);
    std::array<Pitch, 21> local{};
    for (std::size_t k = 0; k < 3; ++k)
        for (std::size_t d = 0; d < degrees.size(); ++d)
            local[7 * k + d] = {degrees[d].step + 7 * static_cast<int>(k), degrees[d].alter};
    return local;
}

// Draws a target that exists in the key's mode; the chord settings never leave a major
// key with only the minor-only target.
template <std::size_t N>
std::string drawTarget(int& target, const std::vector<int>& enabled,
                       const std::array<std::string_view, N>& major,
                       const std::array<std::string_view, N>& minor, bool minorKey, RandomSource& random) {
    for (;;) {
        target = drawFrom(enabled, random);
        const std::string_view name = (minorKey ? minor : major)[static_cast<std::size_t>(target)];
        if (name != kDud)
            return std::string(name);
    }
}

} // namespace

void makeVof(Question& question, CurrentKey& key, const QuestionContext& context) {
    const bool minorKey = key.keymode == KeyMode::Minor;
    int t = 0;
    question.name = drawTarget(t, context.settings.chords.enabledVof(), kMajorVofNames, kMinorVofNames,
                               minorKey, context.random);
    question.prompt = context.activity.current.namesChord()
                          ? translate("AppliedChordGenerator", "identify the given applied chord")
                          : withArgs(translate("AppliedChordGenerator", "V7 of %1"), {question.name});

    // Target 0 is the Neapolitan: the second degree lowered.
    const Pitch tonic = t == 0 ? Pitch{key.scaleletter[1], key.scaleacc[1] - 1} : scaleNote(key, t);
    key.tonicletter = tonic.step;
    key.tonicaccidental = tonic.alter;
    const auto local = temporaryMajorScale(key);
    question.notes = {local[4], local[6], local[8], local[10]};
    finishChord(question, context);
}

void makeviiof(Question& question, CurrentKey& key, const QuestionContext& context) {
    const bool minorKey = key.keymode == KeyMode::Minor;
    int t = 0;
    question.name = drawTarget(t, context.settings.chords.enabledViiof(), kMajorViiofNames, kMinorViiofNames,
                               minorKey, context.random);
    question.prompt = context.activity.current.namesChord()
                          ? translate("AppliedChordGenerator", "identify the given applied chord")
                          : withArgs(translate("AppliedChordGenerator", "vii-dim7 of %1"), {question.name});

    const Pitch tonic = scaleNote(key, t + 1);
    key.tonicletter = tonic.step;
    key.tonicaccidental = tonic.alter;
    const auto local = temporaryMajorScale(key);
    question.notes = {local[6], local[8], local[10], local[12]};
    // The borrowed minor sixth makes the seventh diminished.
    question.notes[3].alter -= 1;
    finishChord(question, context);
}

} // namespace tonalyst
