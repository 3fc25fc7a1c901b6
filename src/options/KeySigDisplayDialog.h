#pragma once

#include "theory/QuestionSettings.h"

#include <QDialog>

namespace tonalyst {

class OptionButtonGroup;

// How chord identification indicates the key: written, symbolic or both.
class KeySigDisplayDialog : public QDialog {
    Q_OBJECT
public:
    KeySigDisplayDialog(QuestionSettings& settings, QWidget* parent = nullptr);

    // Selects option button 0 "Written", 1 "Symbolic" or 2 "Both" without storing it.
    void selectOption(int index);

    // Stores the selected option and closes.
    void pressOk();
    // Shows the stored option again and closes.
    void pressCancel();

    void reject() override;

private:
    void showStored();

    QuestionSettings& m_settings;
    OptionButtonGroup* m_options;
};

} // namespace tonalyst
