#pragma once

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace tonalyst {

// The narrowest frame a small option dialog gets, so that its window title fits.
inline constexpr int kMinimumFrameWidth = 300;

// A push button carrying its design name (and index, for button arrays).
QPushButton* makeButton(const QString& caption, const char* name, int index = -1);

// A helper button inside a frame (All, Clear, ...): Enter never presses it.
QPushButton* makeFrameButton(const QString& caption, const char* name, int index = -1);

// A row of buttons, pushed to the right: the closing row of a dialog.
QBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

// Gives the focus to target each time window becomes the active window.
void focusOnActivation(QWidget* window, QWidget* target);

// Each time the dialog opens, the focus goes to its selected option button, or to its
// default button when it has no option selected: Space or the arrow keys change the
// choice at once, and Enter confirms it.
void focusOnOpening(QWidget* dialog);

} // namespace tonalyst
