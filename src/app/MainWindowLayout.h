#pragma once

#include <QList>

class QComboBox;
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
// from what it belongs to. The window is never smaller than the panel's natural size.
void arrangeMainWindow(const MainWindowParts& parts);

} // namespace tonalyst
