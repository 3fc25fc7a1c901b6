#pragma once

#include <QList>
#include <QMargins>
#include <QSize>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace tonalyst {

class StaffPanel;

// The controls of the main window's central area, as the layout places them.
struct MainWindowParts {
    QWidget* central;
    QList<QLabel*> prompts; // question number and the two question lines
    StaffPanel* staffPanel;
    QLabel* answerWas;
    QLabel* chordType;
    QLabel* chordName;
    QLabel* inversionLabel;
    QComboBox* inversion;
    QLabel* answerMessage;
    int answerTypeWidth; // the widest answer type, so the inversion list beside it stays put
    QList<QPushButton*> buttons;
    QWidget* status;
};

// The prompts over the staff panel, the answers and the buttons right under it and the
// status panel beside them, at the top. The staff panel takes what the window grows by,
// keeping its proportions; what is left over gathers at the bottom, so nothing drifts away
// from what it belongs to. Returns the grid of the answer lines.
QGridLayout* arrangeMainWindow(const MainWindowParts& parts);

// Lets the staff panel shrink just enough for the whole window, menus and frame
// included, to fit on its screen: at its natural size where the screen has room for it,
// smaller down to the legible limit on a small or magnified screen. `frame` is what the
// window manager adds around the window. Returns the window's smallest size with the
// panel at its natural size, whether or not that fits.
QSize fitMainWindowToScreen(QWidget* window, StaffPanel* panel, const QMargins& frame);

// The window manager's frame around a shown window; a usual one before it is shown.
QMargins windowFrame(const QWidget* window);

} // namespace tonalyst
