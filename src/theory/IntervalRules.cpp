#include "theory/IntervalRules.h"

#include "theory/IntervalCatalogue.h"

namespace tonalyst {

bool isAllowedInterval(int number, const Pitch& lower, const QuestionSettings& settings,
                       const ActivityState& activity) {
    if (number <= kUnison || number >= static_cast<int>(kIntervals.size()))
        return false;
    const bool commonOnly = settings.intervalType == IntervalType::Common || activity.current.byEar;
    if (commonOnly && kIntervals[static_cast<std::size_t>(number)].advanced)
        return false;
    if (settings.intervalNotes == IntervalNotes::AllNotes && number == kDiminishedFifth)
        return false;
    // The answer check lifts a lowest C-flat by an octave, which would carry its octave
    // past the top of the staff; B-sharp, its mirror across the octave line, goes alike.
    const int letter = lower.letter();
    const bool cFlat = letter == 0 && lower.alter == -1;
    const bool bSharp = letter == 6 && lower.alter == 1;
    return !(number == kOctave && (cFlat || bSharp));
}

Pitch intervalTonic(const CurrentKey& key) {
    return {key.scaleletter[0], key.scaleacc[0]};
}

Pitch intervalAbove(const CurrentKey& key, int number) {
    const IntervalEntry& entry = kIntervals[static_cast<std::size_t>(number)];
    // The catalogue counts from the major scale, whose degrees above C are the plain letters.
    return transposed(intervalTonic(key), entry.steps, Pitch{entry.steps}.semitones() + entry.shift);
}

std::vector<int> allowedIntervals(const CurrentKey& key, const QuestionContext& context) {
    std::vector<int> allowed;
    const Pitch lower = intervalTonic(key);
    for (int number = 0; number < static_cast<int>(kIntervals.size()); ++number)
        if (isAllowedInterval(number, lower, context.settings, context.activity))
            allowed.push_back(number);
    return allowed;
}

std::vector<int> askableIntervals(const CurrentKey& key, const QuestionContext& context) {
    std::vector<int> askable;
    const bool lowerWritable = isWritable(intervalTonic(key));
    for (const int number : allowedIntervals(key, context))
        if (lowerWritable && isWritable(intervalAbove(key, number)))
            askable.push_back(number);
    return askable;
}

} // namespace tonalyst
