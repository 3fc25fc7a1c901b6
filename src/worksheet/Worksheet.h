#pragma once

#include "theory/Judge.h"
#include "theory/Key.h"
#include "theory/Question.h"
#include "theory/WeakSpots.h"
#include "worksheet/WorksheetAnswer.h"
#include "worksheet/WorksheetOptions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tonalyst {

// Intervals and ear training: questions set in the major scale of the tonic drawn.
bool isIntervalOrEarTraining(const Activity* activity);

struct WorksheetItem {
    std::string keyName;
    KeyMode keyMode;
    CurrentKey key;
    Question question;
    WorksheetAnswer answer;
    bool bassClef = false; // the clef its staff is printed in
};

// The questions of one worksheet, made from its options and seed.
struct Worksheet {
    WorksheetOptions options;
    std::uint32_t seed = 0;
    std::vector<WorksheetItem> items;
};

// Nothing, with the reason in error, when the settings allow no writable question.
std::optional<Worksheet> makeWorksheet(const WorksheetOptions& options, std::string& error,
                                       const WeakSpotSchedule* favor = nullptr);

// "Tonalyst worksheet: Chord Spelling (seed 42)".
std::string worksheetTitle(const Worksheet& sheet);

// The lines that ask a question, without its number. On paper, where a staff shows the
// notes, they are not listed again, nor are the notes an ear-training question plays,
// and the window's "Enter the upper note" gives way to the sheet's instruction.
std::vector<std::string> worksheetQuestionLines(const Worksheet& sheet, const WorksheetItem& item,
                                                bool withStaff);

// The answer on one line.
std::string worksheetAnswerLine(const WorksheetItem& item);

// What a printed question's staff shows: its clef, whether the key signature stands on
// it, and the notes given, lowest first, drawn with the signs the student would see.
struct WorksheetStaff {
    bool bassClef = false;
    bool signature = false;
    std::vector<WrittenNote> notes;
};
WorksheetStaff worksheetStaff(const Worksheet& sheet, const WorksheetItem& item);

// Writes a worksheet somewhere other than the text output (a PDF). False, with the reason
// in error, when it could not be written.
class WorksheetPrinter {
public:
    virtual ~WorksheetPrinter() = default;
    virtual bool print(const Worksheet& sheet, std::string& error) = 0;
};

} // namespace tonalyst
