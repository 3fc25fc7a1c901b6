#pragma once

#include "theory/Key.h"
#include "theory/QuestionContext.h"
#include "theory/Scale.h"

namespace tonalyst {

// Draws the key of the next question from the enabled keys and spells its scale.
CurrentKey pickkey(const QuestionContext& context);

// Spells the scale of the key's tonic with the given steps into all four octaves of
// scaleletter, scaleacc and keysigacc.
void fillScaleTables(CurrentKey& key, const StepTable& steps);

} // namespace tonalyst
