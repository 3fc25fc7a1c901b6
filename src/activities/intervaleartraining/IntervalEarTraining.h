#pragma once

#include "activities/Activity.h"

namespace tonalyst {

// An interval is played; the student names it from a menu, in the ear-training window.
class IntervalEarTraining : public NamingActivity {
public:
    IntervalEarTraining();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;

    bool ownsRecord(std::string_view code, std::string_view category) const override;
    ChoiceMenu choiceMenu() const override { return ChoiceMenu::Intervals; }
    bool earTraining() const override { return true; }
    bool asksIntervals() const override { return true; }
    // Ear training asks the common intervals only.
    bool offersAdvancedIntervals() const override { return false; }
    void clearAnswer(AnswerDesk& desk) const override { desk.replayAndOfferChoices(); }
    std::optional<AnswerParts> answerFromPlayed(const Question& question, const std::vector<int>& keys,
                                                InversionOption notation, bool inversionList) const override;
    void enter(AnswerDesk& desk) const override;

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
