#pragma once

#include "activities/HeardActivity.h"

namespace tonalyst {

// After the cadence a progression of three to six chords plays; the student names every chord in order.
class Progressions : public HeardActivity {
public:
    Progressions();
    std::string caption() const override;
    std::string statusText() const override;
    std::string title() const override;

    const InKeyCommon* inKeyCommon(const QuestionSettings& settings) const override;
    std::string optionsCaption() const override;
    void editOptions(AnswerDesk& desk) const override { desk.editProgressionOptions(); }
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
