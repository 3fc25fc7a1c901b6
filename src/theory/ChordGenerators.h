#pragma once

#include "theory/Key.h"
#include "theory/Question.h"
#include "theory/QuestionContext.h"

#include <vector>

namespace tonalyst {

// One generator per chord category. Each draws its chord from the enabled list of the
// chord settings and builds its notes, name, prompt and hint from the key's spelled
// scale into the question; the category itself is set by the caller. The triad and
// seventh generators alter key.scaleacc for borrowed and raised notes; the applied
// chords overwrite key.tonicletter/tonicaccidental with the tonic they build on.
void maketriad(Question& question, CurrentKey& key, const QuestionContext& context);
void makeseventh(Question& question, CurrentKey& key, const QuestionContext& context);
void makeVof(Question& question, CurrentKey& key, const QuestionContext& context);
void makeviiof(Question& question, CurrentKey& key, const QuestionContext& context);
void makeaug6(Question& question, const CurrentKey& key, const QuestionContext& context);
void makeflat2(Question& question, const CurrentKey& key, const QuestionContext& context);

// Draws an inversion and turns the question's notes and labels to it.
void invertchord(Question& question, const QuestionContext& context);

// The full figured-bass name of the question in inversion number v.
void makechordlabel(Question& question, int inversion, const ActivityState& activity);

// What every generator but the augmented sixths does last: the inversion, where the
// activity and the inversion setting call for one.
void finishChord(Question& question, const QuestionContext& context);

// One entry of an enabled list, drawn as Int(count x r); 0 for an empty list.
int drawFrom(const std::vector<int>& enabled, RandomSource& random);

// The scale entry's note.
Pitch scaleNote(const CurrentKey& key, int entry);

} // namespace tonalyst
