#pragma once

#include "options/OkOnlyDialog.h"
#include "theory/QuestionSettings.h"

namespace tonalyst {

class OptionButtonGroup;

// Which chords chord ear training plays: triads, sevenths or both.
class EarTrainingChordDialog : public OkOnlyDialog {
    Q_OBJECT
public:
    EarTrainingChordDialog(QuestionSettings& settings, QWidget* parent = nullptr);

protected:
    void store() override;

private:
    QuestionSettings& m_settings;
    OptionButtonGroup* m_options;
};

} // namespace tonalyst
