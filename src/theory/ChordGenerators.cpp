#include "theory/ChordGenerators.h"

namespace tonalyst {

int drawFrom(const std::vector<int>& enabled, RandomSource& random) {
    const int k = random.index(static_cast<int>(enabled.size()));
    return enabled.empty() ? 0 : enabled[static_cast<std::size_t>(k)];
}

Pitch scaleNote(const CurrentKey& key, int entry) {
    const auto e = static_cast<std::size_t>(entry);
    return {key.scaleletter[e], key.scaleacc[e]};
}

void finishChord(Question& question, const QuestionContext& context) {
    const ActivityTraits& current = context.activity.current;
    if (!current.byEar && !current.keySignatureOnly && context.settings.inversions != InversionOption::Off)
        invertchord(question, context);
}

} // namespace tonalyst
