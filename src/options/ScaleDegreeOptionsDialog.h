#pragma once

#include "options/InKeyOptionsDialog.h"

class QSpinBox;

namespace tonalyst {

// Which degrees Scale Degrees asks, how many notes a question plays and how the degrees
// are named.
class ScaleDegreeOptionsDialog : public InKeyOptionsDialog {
    Q_OBJECT
public:
    explicit ScaleDegreeOptionsDialog(ScaleDegreeOptions& options, QWidget* parent = nullptr);

protected:
    void load() override;
    void store() override;

private:
    ScaleDegreeOptions& m_options;
    OptionButtonGroup* m_degrees;
    QSpinBox* m_groupSize;
    OptionButtonGroup* m_names;
    OptionButtonGroup* m_minorNames;
};

} // namespace tonalyst
