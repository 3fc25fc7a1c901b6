#pragma once

#include "options/OkOnlyDialog.h"
#include "theory/QuestionSettings.h"

namespace tonalyst {

class OptionButtonGroup;

// The clef of the questions: treble, bass, or drawn at random for each question.
class ClefDialog : public OkOnlyDialog {
    Q_OBJECT
public:
    ClefDialog(QuestionSettings& settings, QWidget* parent = nullptr);

signals:
    // Emitted on OK with the stored choice. The staff shows a fixed clef at once only
    // when no question is under way; otherwise the next question picks it up.
    void clefChosen(tonalyst::ClefChoice clef);

protected:
    void store() override;

private:
    QuestionSettings& m_settings;
    OptionButtonGroup* m_clefs;
};

} // namespace tonalyst
