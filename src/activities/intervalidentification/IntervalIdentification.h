#pragma once

#include "activities/Activity.h"

namespace tonalyst {

// Two notes on the staff; the student names the interval from a menu.
class IntervalIdentification : public NamingActivity {
public:
    IntervalIdentification();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;

    ChoiceMenu choiceMenu() const override { return ChoiceMenu::Intervals; }
    bool asksIntervals() const override { return true; }

    PaperStaff worksheetStaff(const Question& question, const KeySigDisplay& display,
                              const std::vector<WrittenNote>& answerNotes) const override;
    std::string worksheetInstruction(InversionOption inversions) const override;
    std::string paperAnswer(const Question& question, const std::string& answerLine,
                            InversionOption inversions) const override;
    bool inMajorScale() const override { return true; }

protected:
    bool namesKey() const override { return false; }
    std::vector<std::string> worksheetContext(const Question& question, const KeySigDisplay& display,
                                              bool withStaff) const override;
};

} // namespace tonalyst
