#pragma once

#include "activities/HeardActivity.h"

namespace tonalyst {

// After the cadence one note, or a short group, plays; the student names each note's
// degree in the key, by number or movable-do syllable.
class ScaleDegrees : public HeardActivity {
public:
    ScaleDegrees();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;

    std::optional<std::string> readName(std::string_view typed, const Question& question,
                                        const QuestionSettings& settings) const override;
    std::optional<std::string> numberKeyName(int digit, const Question& question,
                                             const QuestionSettings& settings) const override;
    std::string shownName(std::string_view name, const Question& question,
                          const QuestionSettings& settings) const override;
    // Each key played names its note's degree in the key, by pitch class, in the order struck.
    std::optional<std::vector<std::string>> namesFromPlayed(const Question& question,
                                                            const std::vector<int>& keys,
                                                            const QuestionSettings& settings) const override;
    const InKeyCommon* inKeyCommon(const QuestionSettings& settings) const override;
    std::string optionsCaption() const override;
    void editOptions(AnswerDesk& desk) const override { desk.editScaleDegreeOptions(); }
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
