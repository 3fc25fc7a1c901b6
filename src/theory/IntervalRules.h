#pragma once

#include "theory/Key.h"
#include "theory/Pitch.h"
#include "theory/QuestionContext.h"

#include <vector>

namespace tonalyst {

// Whether catalogue entry `number` may be asked above this lower note: never the
// unison; no advanced interval with "common intervals" or in ear training; no
// diminished fifth with "select from all possible notes"; no octave above C-flat or
// B-sharp.
bool isAllowedInterval(int number, const Pitch& lower, const QuestionSettings& settings,
                       const ActivityState& activity);

// The key's tonic, the lower note of every interval question.
Pitch intervalTonic(const CurrentKey& key);

// The upper note of entry `number` above the key's tonic: the major-scale degree
// `steps` up, its accidental moved by the entry's shift. The key must be spelled major.
Pitch intervalAbove(const CurrentKey& key, int number);

// The catalogue numbers the rules allow above the key's tonic, in catalogue order.
std::vector<int> allowedIntervals(const CurrentKey& key, const QuestionContext& context);

// Of those, the ones whose upper note the staff can hold (isWritable). Above G-flat,
// for instance, the diminished third (B triple flat) and the diminished seventh
// (F double flat) drop out.
std::vector<int> askableIntervals(const CurrentKey& key, const QuestionContext& context);

} // namespace tonalyst
