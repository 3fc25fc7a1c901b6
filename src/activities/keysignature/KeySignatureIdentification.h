#pragma once

#include "activities/Activity.h"

namespace tonalyst {

// A key signature is shown as symbols; the student names its key from a menu.
class KeySignatureIdentification : public NamingActivity {
public:
    KeySignatureIdentification();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;

    ChoiceMenu choiceMenu() const override { return ChoiceMenu::KeySignatures; }
    bool namesKeySignatures() const override { return true; }
    // The signature is the whole question: no notes to count, and nothing to review.
    bool needsAllNotes() const override { return false; }
    bool offersReview() const override { return false; }
    bool needsSecondChoice(const AnswerParts& answer) const override;
    std::vector<WrittenNote> shownNotes(const std::vector<WrittenNote>&) const override { return {}; }

    PaperStaff worksheetStaff(const Question& question, const KeySigDisplay& display,
                              const std::vector<WrittenNote>& answerNotes) const override;
    std::string worksheetInstruction(InversionOption inversions) const override;
    std::string paperAnswer(const Question& question, const std::string& answerLine,
                            InversionOption inversions) const override;

protected:
    bool namesKey() const override { return false; }
    std::vector<std::string> worksheetContext(const Question& question, const KeySigDisplay& display,
                                              bool withStaff) const override;
};

} // namespace tonalyst
