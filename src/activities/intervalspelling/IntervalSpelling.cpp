#include "activities/intervalspelling/IntervalSpelling.h"

#include "activities/PaperText.h"
#include "theory/IntervalGenerator.h"
#include "theory/NoteNames.h"
#include "theory/Translate.h"

namespace tonalyst {

IntervalSpelling::IntervalSpelling()
    : SpellingActivity({"mnuIntSpell", "interval-spell", "Interval", "intervals"},
                       {.intervals = true, .recordCode = "intspell"}) {}

std::string IntervalSpelling::caption() const {
    return translate("IntervalSpelling", "Interval S&pelling");
}

std::string IntervalSpelling::statusText() const {
    return translate("IntervalSpelling", "interval spell");
}

std::string IntervalSpelling::title() const {
    return translate("IntervalSpelling", "Interval Spelling");
}

std::vector<WrittenNote> IntervalSpelling::shownNotes(const std::vector<WrittenNote>& questionNotes) const {
    if (questionNotes.empty())
        return {};
    return {questionNotes.front()};
}

std::vector<std::string> IntervalSpelling::worksheetContext(const Question& question, const KeySigDisplay&,
                                                            bool withStaff) const {
    // On paper the prompt says above or below, and the sheet's instruction what to write.
    if (withStaff)
        return {};
    return {question.direction == IntervalDirection::Below
                ? translate("IntervalSpelling", "Enter the lower note")
                : translate("IntervalSpelling", "Enter the upper note")};
}

std::string IntervalSpelling::worksheetPrompt(const Question& question, InversionOption inversions,
                                              bool withStaff) const {
    if (!withStaff)
        return Activity::worksheetPrompt(question, inversions, withStaff);
    // The window's "perfect Fifth : above D" in words.
    const bool below = question.direction == IntervalDirection::Below;
    const std::string given =
        paper::trimmed(givenNoteName(below ? question.notes.back() : question.notes.front()));
    return paper::filled(below ? translate("IntervalSpelling", "%1 below %2")
                               : translate("IntervalSpelling", "%1 above %2"),
                         {intervalInWords(question), given});
}

Activity::PaperStaff IntervalSpelling::worksheetStaff(const Question& question, const KeySigDisplay&,
                                                      const std::vector<WrittenNote>& answerNotes) const {
    // The given note: the lower one of an interval asked above it, else the upper.
    if (answerNotes.empty())
        return {};
    return {false,
            {question.direction == IntervalDirection::Below ? answerNotes.back() : answerNotes.front()}};
}

std::string IntervalSpelling::worksheetInstruction(InversionOption) const {
    return translate("IntervalSpelling", "Write the note that makes each interval with the note given.");
}

std::string IntervalSpelling::paperAnswer(const Question& question, const std::string& answerLine,
                                          InversionOption) const {
    // Only the note to write: the upper one of an interval above the given note.
    if (question.notes.empty())
        return answerLine;
    return shownNoteName(question.direction == IntervalDirection::Below ? question.notes.front()
                                                                        : question.notes.back());
}

} // namespace tonalyst
