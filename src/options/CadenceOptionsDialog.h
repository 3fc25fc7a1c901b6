#pragma once

#include "options/InKeyOptionsDialog.h"

namespace tonalyst {

class CheckBoxGroup;

// Which cadences Cadences tells apart.
class CadenceOptionsDialog : public InKeyOptionsDialog {
    Q_OBJECT
public:
    explicit CadenceOptionsDialog(CadenceOptions& options, QWidget* parent = nullptr);

protected:
    void load() override;
    void store() override;

private:
    CadenceOptions& m_options;
    CheckBoxGroup* m_cadences;
};

} // namespace tonalyst
