#pragma once

#include "activities/Activity.h"

namespace tonalyst {

// A chord on the staff; the student names it, and its inversion where asked, from menus.
class ChordIdentification : public NamingActivity {
public:
    ChordIdentification();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;

    ChoiceMenu choiceMenu() const override { return ChoiceMenu::Chords; }
    bool keepsKeySignatureDisplay() const override { return true; }
    bool offersKeySignatureView() const override { return true; }
    bool needsSecondChoice(const AnswerParts& answer) const override;
    bool usesInversionList(const Question& question, InversionOption inversions) const override;

    PaperStaff worksheetStaff(const Question& question, const KeySigDisplay& display,
                              const std::vector<WrittenNote>& answerNotes) const override;
    std::string worksheetInstruction(InversionOption inversions) const override;
    std::string paperAnswer(const Question& question, const std::string& answerLine,
                            InversionOption inversions) const override;

protected:
    std::vector<std::string> worksheetContext(const Question& question, const KeySigDisplay& display,
                                              bool withStaff) const override;
};

} // namespace tonalyst
