#pragma once

#include "theory/Key.h"
#include "theory/Pitch.h"
#include "theory/Question.h"
#include "theory/QuestionContext.h"

#include <string>
#include <vector>

namespace tonalyst {

// What a question expects of the student's answer, worked out when it is presented.
struct PreparedAnswer {
    // The question's notes in the octave the judge compares in: the lowest note within
    // the first octave (a lowest C-flat one octave higher), each natural with its sign
    // where the student must write one.
    std::vector<Pitch> notes;
    // The question's own hint, or the natural-sign reminder where a natural must be written.
    std::string hinttext;

    int noteCount() const { return static_cast<int>(notes.size()); }
    // The accidental code the student must write on each note.
    std::vector<int> acccode() const;
};

// A natural needs its sign only against the key signature, and never in the interval
// activities or in ear training; every other accidental is always written.
PreparedAnswer prepareanswer(const Question& question, const CurrentKey& key, const ActivityState& activity);

} // namespace tonalyst
