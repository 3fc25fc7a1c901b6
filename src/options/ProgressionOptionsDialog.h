#pragma once

#include "options/InKeyOptionsDialog.h"

class QSpinBox;

namespace tonalyst {

class CheckBoxGroup;

// How long the progressions of Progressions are, and which chords they may hold.
class ProgressionOptionsDialog : public InKeyOptionsDialog {
    Q_OBJECT
public:
    explicit ProgressionOptionsDialog(ProgressionOptions& options, QWidget* parent = nullptr);

protected:
    void load() override;
    void store() override;

private:
    ProgressionOptions& m_options;
    QSpinBox* m_fewest;
    QSpinBox* m_most;
    CheckBoxGroup* m_chords;
};

} // namespace tonalyst
