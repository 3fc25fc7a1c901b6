#include "worksheet/WorksheetPaper.h"

#include "theory/Translate.h"

namespace tonalyst {

std::string worksheetHeading(const Worksheet& sheet) {
    // The title without its seed, made whole rather than cut: a language may put the seed first.
    return paper::filled(translate("Worksheet", "Tonalyst worksheet: %1"), {sheet.options.activity->title()});
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
