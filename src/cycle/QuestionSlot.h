#pragma once

#include "theory/Judge.h"
#include "theory/Key.h"
#include "theory/Question.h"
#include "theory/QuestionSettings.h"

#include <string>
#include <vector>

namespace tonalyst {

// One question of a run as it was asked and answered. A test keeps one per question so
// that its errors can be reviewed; practice reuses the first.
struct QuestionSlot {
    Question question;
    CurrentKey key;
    PreparedAnswer prepared;
    RecordedAnswer recorded;
    // The notes as the student left them on the staff, redrawn in the review.
    std::vector<WrittenNote> writtenNotes;
    // The inversion setting when the question was presented: it decides the notation
    // of the answer and the inversions flag of the record.
    InversionOption inversions = InversionOption::Off;
    // The prompt; "right" once a test question has been answered right, so the review
    // passes it by.
    std::string firstPromptLine;
};

} // namespace tonalyst
