#pragma once

#include "options/OkOnlyDialog.h"
#include "theory/QuestionSettings.h"

#include <functional>

namespace tonalyst {

class OptionButtonGroup;
class Prompter;

// Which intervals interval questions use, and which notes they start from. Advanced
// intervals and notes from outside the chosen keys exclude each other, and ear training
// keeps to the common intervals.
class IntervalOptionsDialog : public OkOnlyDialog {
    Q_OBJECT
public:
    // isEarTraining tells whether the selected or the current activity is ear training.
    IntervalOptionsDialog(QuestionSettings& settings, Prompter& prompter, std::function<bool()> isEarTraining,
                          QWidget* parent = nullptr);

    // Selects "common intervals" and stores it, as taking up interval ear training does.
    void selectCommonIntervals();

signals:
    // The Help button was pressed.
    void helpRequested();

protected:
    void store() override;

private:
    void advancedIntervalsClicked();

    QuestionSettings& m_settings;
    Prompter& m_prompter;
    std::function<bool()> m_isEarTraining;
    OptionButtonGroup* m_types;
    OptionButtonGroup* m_notes;
};

} // namespace tonalyst
