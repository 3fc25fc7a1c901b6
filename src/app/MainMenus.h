#pragma once

#include "activities/Activity.h"

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

namespace tonalyst {

// The main window's menu bar, built with its design names and exact captions. The
// answer menus stand hidden in the bar and pop up from Show Choices.
struct MainMenus {
    explicit MainMenus(QMenuBar* bar);

    QMenu* utility;
    QAction* data;     // Performance Report
    QAction* progress; // the Progress window
    QAction* classServer;
    QAction* quitTest; // Reset
    QAction* quit;

    QMenu* activity;
    QList<QAction*> activities; // in the order of the activity registry

    QMenu* method;
    QAction* practice;
    QAction* test;

    QMenu* options;
    QAction* keySettings;
    QAction* chordSettings;
    QAction* inversion;
    QAction* intervalOption;
    QAction* earTrainingChords;
    QAction* clef;
    QAction* viewKeySig;
    QAction* testLength;
    QAction* favorWeakSpots; // practice draws more of what the student got wrong lately
    // One item per activity with a dialog of its own, and the activity it opens for.
    QList<QAction*> activityOptions;
    QList<const Activity*> activityOptionsFor;
    QAction* midiInput;
    QAction* respell; // the last entered note in its next enharmonic spelling (J)
    QAction* language;

    QMenu* environment;
    QAction* tones;
    QAction* beep;
    QAction* viewStatus;
    QAction* idle;

    QMenu* help;
    QList<QAction*> helpOn; // 0 search (hidden), 1 contents, 2 theory, 3 program
    QAction* about;

    QMenu* chordAnswers;
    QMenu* intervalAnswers;
    QMenu* earTrainingChordAnswers;
    QMenu* keySigAnswers;

    // The answer menu an activity's choices pop up from, or nullptr.
    QMenu* choiceMenu(ChoiceMenu menu) const;
};

} // namespace tonalyst
