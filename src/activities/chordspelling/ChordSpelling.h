#pragma once

#include "activities/Activity.h"

namespace tonalyst {

// A chord is named; the student writes its notes on the staff.
class ChordSpelling : public SpellingActivity {
public:
    ChordSpelling();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;

    std::vector<WrittenNote> shownNotes(const std::vector<WrittenNote>&) const override { return {}; }
    void clearAnswer(AnswerDesk& desk) const override { desk.clearStaff(); }

    std::string worksheetInstruction(InversionOption inversions) const override;
    std::string paperAnswer(const Question& question, const std::string& answerLine,
                            InversionOption inversions) const override;

protected:
    std::vector<std::string> worksheetContext(const Question& question, const KeySigDisplay& display,
                                              bool withStaff) const override;
    std::string worksheetPrompt(const Question& question, InversionOption inversions,
                                bool withStaff) const override;
};

} // namespace tonalyst
