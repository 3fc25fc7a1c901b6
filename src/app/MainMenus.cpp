#include "app/MainMenus.h"

#include "activities/ActivityRegistry.h"
#include "platform/ControlNames.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace tonalyst {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title) {
    auto* menu = bar->addMenu(title);
    nameControl(menu, name);
    nameControl(menu->menuAction(), name);
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption, int index = -1) {
    auto* action = menu->addAction(caption);
    nameControl(action, name, index);
    return action;
}

// A blank item the old bar used to space the menus apart.
void addSpacer(QMenuBar* bar, const char* name) {
    auto* spacer = bar->addAction(QString());
    nameControl(spacer, name);
    spacer->setEnabled(false);
}

QMenu* addHiddenMenu(QMenuBar* bar, const char* name, const QString& title) {
    QMenu* menu = addMenu(bar, name, title);
    menu->menuAction()->setVisible(false);
    return menu;
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar) {
    utility = addMenu(bar, "mnuutility", QCoreApplication::translate("MainMenus", "&Utility    "));
    data = addItem(utility, "mnudata", QCoreApplication::translate("MainMenus", "Performance &Report ...."));
    progress = addItem(utility, "mnuprogress", QCoreApplication::translate("MainMenus", "&Progress ..."));
    classServer = addItem(utility, "mnuclassserver", QCoreApplication::translate("MainMenus", "&Class Server ..."));
    utility->addSeparator();
    quitTest = addItem(utility, "mnuquittest", QCoreApplication::translate("MainMenus", "&Reset"));
    quitTest->setEnabled(false);
    utility->addSeparator();
    quit = addItem(utility, "mnuquit", QCoreApplication::translate("MainMenus", "&Quit"));

    activity = addMenu(bar, "mnuact", QCoreApplication::translate("MainMenus", "&Activity    "));
    std::string_view group;
    for (const Activity* entry : allActivities()) {
        // A separator between neighbouring groups: key signatures, intervals, chords, ear training.
        if (!group.empty() && entry->names().group != group)
            activity->addSeparator();
        group = entry->names().group;
        QAction* item =
            addItem(activity, entry->names().menuName.data(), QString::fromStdString(entry->caption()));
        item->setCheckable(true);
        item->setChecked(entry == &startingActivity());
        activities << item;
    }

    method = addMenu(bar, "mnumethod", QCoreApplication::translate("MainMenus", "&Method    "));
    practice = addItem(method, "mnuprac", QCoreApplication::translate("MainMenus", "&Practice"));
    practice->setCheckable(true);
    practice->setChecked(true);
    test = addItem(method, "mnutest", QCoreApplication::translate("MainMenus", "&Test"));
    test->setCheckable(true);

    options = addMenu(bar, "mnucustom", QCoreApplication::translate("MainMenus", "&Options    "));
    keySettings = addItem(options, "mnukeyset", QCoreApplication::translate("MainMenus", "&Key Settings ...."));
    chordSettings = addItem(options, "mnuChordset", QCoreApplication::translate("MainMenus", "C&hord Settings ...."));
    options->addSeparator();
    inversion = addItem(options, "mnuinversion", QCoreApplication::translate("MainMenus", "In&versions ...."));
    inversion->setCheckable(true);
    intervalOption = addItem(options, "mnuintervaloption", QCoreApplication::translate("MainMenus", "&Interval Selection ..."));
    earTrainingChords = addItem(options, "mnuetchordselect", QCoreApplication::translate("MainMenus", "&Ear Training Chord Selection ..."));
    options->addSeparator();
    for (const Activity* entry : allActivities()) {
        if (entry->optionsCaption().empty())
            continue;
        const std::string name = std::string(entry->names().menuName) + "opt";
        activityOptions << addItem(options, name.c_str(), QString::fromStdString(entry->optionsCaption()));
        activityOptionsFor << entry;
    }
    if (!activityOptions.isEmpty())
        options->addSeparator();
    clef = addItem(options, "mnuclef", QCoreApplication::translate("MainMenus", "&Clef Selection ..."));
    viewKeySig = addItem(options, "mnuViewKeysig", QCoreApplication::translate("MainMenus", "&Key Signature Display ...."));
    viewKeySig->setCheckable(true);
    viewKeySig->setEnabled(false);
    options->addSeparator();
    testLength = addItem(options, "mnutestlong", QCoreApplication::translate("MainMenus", "&Test Length ...."));
    options->addSeparator();
    favorWeakSpots = addItem(options, "mnufavorweak", QCoreApplication::translate("MainMenus", "Favor &Weak Spots"));
    favorWeakSpots->setCheckable(true);
    options->addSeparator();
    midiInput = addItem(options, "mnumidi", QCoreApplication::translate("MainMenus", "&MIDI Input ..."));
    respell = addItem(options, "mnurespell", QCoreApplication::translate("MainMenus", "Res&pell Last Note"));
    respell->setShortcut(QKeySequence(Qt::Key_J));
    options->addSeparator();
    language = addItem(options, "mnulanguage", QCoreApplication::translate("MainMenus", "&Language ..."));

    environment = addMenu(bar, "mnuview", QCoreApplication::translate("MainMenus", "&Environment   "));
    tones = addItem(environment, "mnutones", QCoreApplication::translate("MainMenus", "&Tones off"));
    beep = addItem(environment, "mnubeep", QCoreApplication::translate("MainMenus", "&Beep off"));
    viewStatus = addItem(environment, "mnuviewstatus", QCoreApplication::translate("MainMenus", "&Status Bar"));
    viewStatus->setCheckable(true);
    viewStatus->setChecked(true);
    idle = addItem(environment, "mnuidle", QCoreApplication::translate("MainMenus", "&Auto Shutdown ...."));

    addSpacer(bar, "mnudum0");

    help = addMenu(bar, "mnuhlp", QCoreApplication::translate("MainMenus", "&Help"));
    helpOn << addItem(help, "mnuhelpon", QCoreApplication::translate("MainMenus", "&Search for Help on ...."), 0);
    helpOn[0]->setVisible(false);
    helpOn[0]->setEnabled(false);
    helpOn << addItem(help, "mnuhelpon", QCoreApplication::translate("MainMenus", "Contents                  F1"), 1);
    helpOn << addItem(help, "mnuhelpon", QCoreApplication::translate("MainMenus", "&Theory Help"), 2);
    helpOn << addItem(help, "mnuhelpon", QCoreApplication::translate("MainMenus", "&Program Help"), 3);
    help->addSeparator();
    about = addItem(help, "mnuabout", QCoreApplication::translate("MainMenus", "&About Tonalyst ...."));

    addSpacer(bar, "mnudum10");
    chordAnswers = addHiddenMenu(bar, "mnuchord", QCoreApplication::translate("MainMenus", "Chords"));
    addSpacer(bar, "mnudum11");
    intervalAnswers = addHiddenMenu(bar, "mnuinterval", QCoreApplication::translate("MainMenus", "Intervals"));
    earTrainingChordAnswers = addHiddenMenu(bar, "mnuchordeartrain", QCoreApplication::translate("MainMenus", "Ear Training Chords"));
    keySigAnswers = addHiddenMenu(bar, "mnukeysig", QCoreApplication::translate("MainMenus", "keysig"));
}

QMenu* MainMenus::choiceMenu(ChoiceMenu menu) const {
    switch (menu) {
    case ChoiceMenu::Chords:
        return chordAnswers;
    case ChoiceMenu::KeySignatures:
        return keySigAnswers;
    case ChoiceMenu::ChordQualities:
        return earTrainingChordAnswers;
    case ChoiceMenu::Intervals:
        return intervalAnswers;
    case ChoiceMenu::None:
        break;
    }
    return nullptr;
}

} // namespace tonalyst
