#pragma once

#include "activities/HeardActivity.h"

namespace tonalyst {

// A phrase ending plays in the key; the student names the cadence.
class Cadences : public HeardActivity {
public:
    Cadences();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;
    // Named as textbooks in the student's language name them.
    std::string shownName(std::string_view name, const Question& question,
                          const QuestionSettings& settings) const override;
    std::optional<std::string> readName(std::string_view typed, const Question& question,
                                        const QuestionSettings& settings) const override;
    std::optional<std::string> numberKeyName(int digit, const Question& question,
                                             const QuestionSettings& settings) const override;
    // A cadence is named, not played: keys played only light.
    bool answersByPlaying() const override { return false; }
    const InKeyCommon* inKeyCommon(const QuestionSettings& settings) const override;
    std::string optionsCaption() const override;
    void editOptions(AnswerDesk& desk) const override { desk.editCadenceOptions(); }
    std::string worksheetInstruction(InversionOption inversions) const override;
    std::string worksheetOptionsHelp() const override;

protected:
    HeardInKey make(const TonalKey& key, const QuestionSettings& settings,
                    RandomSource& random) const override;
    std::vector<std::string> choices(bool minor, const QuestionSettings& settings) const override;
    std::string windowTitle() const override;
    std::vector<std::string_view> ownWorksheetOptions() const override;
};

} // namespace tonalyst
