#pragma once

#include "activities/PaperText.h"
#include "worksheet/Worksheet.h"

#include <string>

namespace tonalyst {

// What a worksheet says on paper, where a teacher hands it out as it is: words for a
// pencil rather than for the window, and answers written as a textbook prints them.

// "Tonalyst worksheet: Chord Spelling": the title without the seed, which would give
// the answers away; the seed stands on the answer key.
std::string worksheetHeading(const Worksheet& sheet);

// One line telling the student what to do, such as "Write each chord on the staff."
std::string worksheetInstruction(const Worksheet& sheet);

// Whether the student answers in words, on a line under the staff, rather than on it.
bool worksheetAnswersInWords(const Activity* activity);

// The answer of the key on paper: Roman numerals with their figures ("V⁶₅/vi",
// "vii°7", "N⁶", "Ger+6") and the key ("in D major"), intervals and qualities in words
// ("major third"), a chord's notes separated by commas, an interval's the note to write;
// ear-training answers name the notes played.
std::string worksheetPaperAnswer(const Worksheet& sheet, const WorksheetItem& item);

} // namespace tonalyst
