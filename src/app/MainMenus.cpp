#include "app/MainMenus.h"

#include "activities/ActivityRegistry.h"
#include "platform/ControlNames.h"

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
    utility = addMenu(bar, "mnuutility", QStringLiteral("&Utility    "));
    data = addItem(utility, "mnudata", QStringLiteral("Performance &Report ...."));
    progress = addItem(utility, "mnuprogress", QStringLiteral("&Progress ..."));
    classServer = addItem(utility, "mnuclassserver", QStringLiteral("&Class Server ..."));
    utility->addSeparator();
    quitTest = addItem(utility, "mnuquittest", QStringLiteral("&Reset"));
    quitTest->setEnabled(false);
    utility->addSeparator();
    quit = addItem(utility, "mnuquit", QStringLiteral("&Quit"));

    activity = addMenu(bar, "mnuact", QStringLiteral("&Activity    "));
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

    method = addMenu(bar, "mnumethod", QStringLiteral("&Method    "));
    practice = addItem(method, "mnuprac", QStringLiteral("&Practice"));
    practice->setCheckable(true);
    practice->setChecked(true);
    test = addItem(method, "mnutest", QStringLiteral("&Test"));
    test->setCheckable(true);

    options = addMenu(bar, "mnucustom", QStringLiteral("&Options    "));
    keySettings = addItem(options, "mnukeyset", QStringLiteral("&Key Settings ...."));
    chordSettings = addItem(options, "mnuChordset", QStringLiteral("C&hord Settings ...."));
    options->addSeparator();
    inversion = addItem(options, "mnuinversion", QStringLiteral("In&versions ...."));
    inversion->setCheckable(true);
    intervalOption = addItem(options, "mnuintervaloption", QStringLiteral("&Interval Selection ..."));
    earTrainingChords = addItem(options, "mnuetchordselect", QStringLiteral("&Ear Training Chord Selection ..."));
    options->addSeparator();
    clef = addItem(options, "mnuclef", QStringLiteral("&Clef Selection ..."));
    viewKeySig = addItem(options, "mnuViewKeysig", QStringLiteral("&Key Signature Display ...."));
    viewKeySig->setCheckable(true);
    viewKeySig->setEnabled(false);
    options->addSeparator();
    testLength = addItem(options, "mnutestlong", QStringLiteral("&Test Length ...."));
    options->addSeparator();
    favorWeakSpots = addItem(options, "mnufavorweak", QStringLiteral("Favor &Weak Spots"));
    favorWeakSpots->setCheckable(true);

    environment = addMenu(bar, "mnuview", QStringLiteral("&Environment   "));
    tones = addItem(environment, "mnutones", QStringLiteral("&Tones off"));
    beep = addItem(environment, "mnubeep", QStringLiteral("&Beep off"));
    viewStatus = addItem(environment, "mnuviewstatus", QStringLiteral("&Status Bar"));
    viewStatus->setCheckable(true);
    viewStatus->setChecked(true);
    idle = addItem(environment, "mnuidle", QStringLiteral("&Auto Shutdown ...."));

    addSpacer(bar, "mnudum0");

    help = addMenu(bar, "mnuhlp", QStringLiteral("&Help"));
    helpOn << addItem(help, "mnuhelpon", QStringLiteral("&Search for Help on ...."), 0);
    helpOn[0]->setVisible(false);
    helpOn[0]->setEnabled(false);
    helpOn << addItem(help, "mnuhelpon", QStringLiteral("Contents                  F1"), 1);
    helpOn << addItem(help, "mnuhelpon", QStringLiteral("&Theory Help"), 2);
    helpOn << addItem(help, "mnuhelpon", QStringLiteral("&Program Help"), 3);
    help->addSeparator();
    about = addItem(help, "mnuabout", QStringLiteral("&About Tonalyst ...."));

    addSpacer(bar, "mnudum10");
    chordAnswers = addHiddenMenu(bar, "mnuchord", QStringLiteral("Chords"));
    addSpacer(bar, "mnudum11");
    intervalAnswers = addHiddenMenu(bar, "mnuinterval", QStringLiteral("Intervals"));
    earTrainingChordAnswers = addHiddenMenu(bar, "mnuchordeartrain", QStringLiteral("Ear Training Chords"));
    keySigAnswers = addHiddenMenu(bar, "mnukeysig", QStringLiteral("keysig"));
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
