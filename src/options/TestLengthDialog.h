#pragma once

#include "theory/QuestionSettings.h"

#include <QDialog>

class QPushButton;

namespace tonalyst {

class OptionButtonGroup;

// How many questions a test asks: five, ten, fifteen or twenty.
class TestLengthDialog : public QDialog {
    Q_OBJECT
public:
    TestLengthDialog(QuestionSettings& settings, QWidget* parent = nullptr);

    // Stores the chosen length and closes.
    void pressOk();
    // Shows the stored length again and closes.
    void pressCancel();

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QuestionSettings& m_settings;
    OptionButtonGroup* m_lengths;
    QPushButton* m_ok;
};

} // namespace tonalyst
