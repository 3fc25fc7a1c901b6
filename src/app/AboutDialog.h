#pragma once

#include <QDialog>

namespace tonalyst {

// About Tonalyst: the program's name, version and what it is for.
class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace tonalyst
