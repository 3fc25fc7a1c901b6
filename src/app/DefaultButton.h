#pragma once

#include <QObject>

class QPushButton;
class QWidget;

namespace tonalyst {

// A default button for a window that is not a dialog (a main window ignores setDefault):
// Return or Enter that no control under the focus takes for itself presses the button.
// A focused push button takes Enter itself when it is an auto-default one, a text or
// number field takes it to finish its entry, and a text area takes it for a new line.
class DefaultButton final : public QObject {
public:
    DefaultButton(QWidget* window, QPushButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QPushButton* m_button;
};

} // namespace tonalyst
