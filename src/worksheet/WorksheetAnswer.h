#pragma once

#include "activities/Activity.h"
#include "theory/Key.h"
#include "theory/Question.h"

#include <string>
#include <vector>

namespace tonalyst {

// The answer side of a question as the worksheet prints it.
struct WorksheetAnswer {
    std::vector<int> accidentalCodes; // the sign the student must write on each note
    std::vector<int> positions;       // each note's staff position, lowest first
    std::string hint;                 // the question's hint, or the natural-sign reminder
    // The right-answer text that the program shows after "The right answer is :" and two
    // line breaks (for a figured-bass name, after two blanks); CR LF breaks lines.
    std::string text;
};

// Worked out as the program does when it presents the question.
WorksheetAnswer worksheetAnswer(const Question& question, const CurrentKey& key, const Activity& activity,
                                InversionOption inversions);

} // namespace tonalyst
