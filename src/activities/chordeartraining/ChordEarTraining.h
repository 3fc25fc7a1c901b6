#pragma once

#include "activities/Activity.h"

namespace tonalyst {

// A chord is played; the student names its quality from a menu, in a window of its own.
class ChordEarTraining : public NamingActivity {
public:
    ChordEarTraining();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;

    bool ownsRecord(std::string_view code, std::string_view category) const override;
    ChoiceMenu choiceMenu() const override { return ChoiceMenu::ChordQualities; }
    bool earTraining() const override { return true; }
    bool keepsKeySignatureDisplay() const override { return true; }
    void clearAnswer(AnswerDesk& desk) const override { desk.replayAndOfferChoices(); }
    std::optional<AnswerParts> answerFromPlayed(const Question& question, const std::vector<int>& keys,
                                                InversionOption notation, bool inversionList) const override;
    void enter(AnswerDesk& desk) const override;

    std::string worksheetInstruction(InversionOption inversions) const override;
    std::string paperAnswer(const Question& question, const std::string& answerLine,
                            InversionOption inversions) const override;
    bool inMajorScale() const override { return true; }

protected:
    std::vector<std::string> worksheetContext(const Question& question, const KeySigDisplay& display,
                                              bool withStaff) const override;
};

} // namespace tonalyst
