#pragma once

#include "options/InKeyOptionsDialog.h"

namespace tonalyst {

class CheckBoxGroup;

// Which chords Chord Functions plays besides the diatonic triads in root position.
class ChordFunctionOptionsDialog : public InKeyOptionsDialog {
    Q_OBJECT
public:
    explicit ChordFunctionOptionsDialog(ChordFunctionOptions& options, QWidget* parent = nullptr);

protected:
    void load() override;
    void store() override;

private:
    ChordFunctionOptions& m_options;
    CheckBoxGroup* m_chords;
};

} // namespace tonalyst
