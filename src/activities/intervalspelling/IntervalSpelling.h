#pragma once

#include "activities/Activity.h"

namespace tonalyst {

// A note and an interval are given; the student writes the other note on the staff.
class IntervalSpelling : public SpellingActivity {
public:
    IntervalSpelling();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;

    bool asksIntervals() const override { return true; }
    // The given note stands on the staff.
    std::vector<WrittenNote> shownNotes(const std::vector<WrittenNote>& questionNotes) const override;
    void clearAnswer(AnswerDesk& desk) const override { desk.focusSubmit(); }

    PaperStaff worksheetStaff(const Question& question, const KeySigDisplay& display,
                              const std::vector<WrittenNote>& answerNotes) const override;
    std::string worksheetInstruction(InversionOption inversions) const override;
    std::string paperAnswer(const Question& question, const std::string& answerLine,
                            InversionOption inversions) const override;
    bool inMajorScale() const override { return true; }

protected:
    std::vector<std::string> worksheetContext(const Question& question, const KeySigDisplay& display,
                                              bool withStaff) const override;
    std::string worksheetPrompt(const Question& question, InversionOption inversions,
                                bool withStaff) const override;
};

} // namespace tonalyst
