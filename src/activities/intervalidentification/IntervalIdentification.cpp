#include "activities/intervalidentification/IntervalIdentification.h"

#include "activities/PaperText.h"
#include "theory/Translate.h"

namespace tonalyst {

IntervalIdentification::IntervalIdentification()
    : NamingActivity({"mnuIntId", "interval-id", "Interval", "intervals"},
                     {.intervals = true, .names = true, .recordCode = "intid"}) {}

std::string IntervalIdentification::caption() const {
    return translate("IntervalIdentification", "Interval I&dentification");
}

std::string IntervalIdentification::statusText() const {
    return translate("IntervalIdentification", "interval ID");
}

std::string IntervalIdentification::title() const {
    return translate("IntervalIdentification", "Interval Identification");
}

std::vector<std::string> IntervalIdentification::worksheetContext(const Question& question,
                                                                  const KeySigDisplay&,
                                                                  bool withStaff) const {
    if (withStaff)
        return {};
    return {translate("IntervalIdentification", "Notes, lowest first: ") + paper::noteList(question.notes)};
}

Activity::PaperStaff
IntervalIdentification::worksheetStaff(const Question&, const KeySigDisplay& display,
                                       const std::vector<WrittenNote>& answerNotes) const {
    return {display.symbolic || display.both, answerNotes};
}

std::string IntervalIdentification::worksheetInstruction(InversionOption) const {
    return translate("IntervalIdentification", "Name each interval.");
}

std::string IntervalIdentification::paperAnswer(const Question& question, const std::string&,
                                                InversionOption) const {
    return intervalInWords(question);
}

} // namespace tonalyst
