#pragma once

#include "theory/AnswerPreparation.h"
#include "theory/Judge.h"
#include "theory/Question.h"
#include "theory/QuestionContext.h"

#include <string>
#include <vector>

namespace tonalyst {

// Questions and answers as the answer history keeps them, one notation for what was
// asked, what was given and what was right, so that a right answer reads exactly as the
// right answer does.
//
// Notes: letter, the sign as written ("" none, "n" natural, "#", "b", "x", "bb") and
// the octave (4 for the staff's first octave), blank-separated, lowest first:
// "Eb4 G4 Bb4". Menu answers: the chosen captions without their padding, joined by " / ".

// The question's notes where they stand, with the signs the student has to write.
std::string askedNotes(const Question& question, const PreparedAnswer& prepared);
// The spelling the judge expects, in the octave it compares in.
std::string rightNotes(const PreparedAnswer& prepared);
// The student's notes, moved to the octave the judge compares in.
std::string givenNotes(const std::vector<WrittenNote>& staffNotes);

// The menu answer handed in, and the right one. The inversion counts only where the
// inversion list is in use.
std::string givenChoices(const AnswerParts& answer, bool inversionList);
std::string rightChoices(const Question& question, bool inversionList);

// The data file's category field: the question's category, "interval" in interval ear training.
std::string recordCategory(const ActivityState& activity, const Question& question);
// What was asked within the category: the chord or key name, or the interval with its
// quality ("major Third").
std::string questionItem(const Question& question);
// The key of the question as its key line names it ("E-flat major"), or "".
std::string questionKey(const Question& question);

} // namespace tonalyst
