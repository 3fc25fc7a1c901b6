#include "worksheet/WorksheetPaper.h"

namespace tonalyst {

std::string worksheetHeading(const Worksheet& sheet) {
    const std::string title = worksheetTitle(sheet);
    return title.substr(0, title.rfind(" (seed "));
}

std::string worksheetInstruction(const Worksheet& sheet) {
    return sheet.options.activity->worksheetInstruction(sheet.options.settings.inversions);
}

bool worksheetAnswersInWords(const Activity* activity) {
    return !activity->answersOnStaff();
}

std::string worksheetPaperAnswer(const Worksheet& sheet, const WorksheetItem& item) {
    return sheet.options.activity->paperAnswer(item.question, worksheetAnswerLine(item),
                                               sheet.options.settings.inversions);
}

} // namespace tonalyst
