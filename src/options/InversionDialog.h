#pragma once

#include "options/OkOnlyDialog.h"
#include "theory/QuestionSettings.h"

namespace tonalyst {

class OptionButtonGroup;

// Whether chord questions use inversions, and how they are labelled.
class InversionDialog : public OkOnlyDialog {
    Q_OBJECT
public:
    InversionDialog(QuestionSettings& settings, QWidget* parent = nullptr);

signals:
    // Emitted on OK: true unless "Inversions Off" is chosen. The Inversions menu item
    // carries it as its check mark.
    void inversionsChosen(bool inversionsOn);

protected:
    void store() override;

private:
    QuestionSettings& m_settings;
    OptionButtonGroup* m_options;
};

} // namespace tonalyst
