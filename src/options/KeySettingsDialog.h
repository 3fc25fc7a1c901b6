#pragma once

#include "theory/QuestionSettings.h"

#include <QDialog>

class QPushButton;

namespace tonalyst {

class Beeper;
class CheckBoxGroup;
class OptionButtonGroup;
class Prompter;

// The keys questions are drawn from: a mode and one box per key signature, each box
// naming a major key and its relative minor.
class KeySettingsDialog : public QDialog {
    Q_OBJECT
public:
    KeySettingsDialog(QuestionSettings& settings, Prompter& prompter, Beeper& beeper,
                      QWidget* parent = nullptr);

    // Accepts the ticked keys and closes. An empty selection is refused with a beep and
    // a message; the dialog then stays open and the stored keys stay as they were.
    // True when accepted.
    bool pressOk();
    // Brings the boxes back to the last accepted selection and closes.
    void pressCancel();

    void reject() override;

private:
    KeyBoxes boxesShown() const;
    void showBoxes(const KeyBoxes& boxes);

    QuestionSettings& m_settings;
    Prompter& m_prompter;
    Beeper& m_beeper;
    OptionButtonGroup* m_mode;
    CheckBoxGroup* m_sharp;
    CheckBoxGroup* m_flat;
};

} // namespace tonalyst
