#include "app/AnswerChoices.h"

#include "app/MainMenus.h"
#include "platform/ControlNames.h"
#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"

#include <QMenu>

#include <span>

namespace tonalyst {

namespace {

QString text(std::string_view caption) {
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

} // namespace

AnswerChoices::AnswerChoices(MainMenus& menus, QObject* parent) : QObject(parent) {
    // A type entry with its submenu: choosing in the submenu answers both parts.
    const auto addTyped = [this](QMenu* menu, const char* typeName, int typeIndex, std::string_view typeCaption,
                                 const char* itemName, std::span<const std::string_view> items) {
        QMenu* submenu = menu->addMenu(text(typeCaption));
        nameControl(submenu->menuAction(), typeName, typeIndex);
        for (std::size_t i = 0; i < items.size(); ++i) {
            QAction* item = submenu->addAction(text(items[i]));
            nameControl(item, itemName, static_cast<int>(i));
            connect(item, &QAction::triggered, this,
                    [this, typeCaption, entry = items[i]] { emit chosen(text(typeCaption), text(entry)); });
            if (isAdvancedIntervalItem(itemName, static_cast<int>(i)))
                m_advancedIntervals.push_back(item);
        }
    };

    const std::array<std::span<const std::string_view>, 5> chordLists{mnutri, mnusev, mnuVof, mnuviiof, mnu6};
    const std::array<const char*, 5> chordListNames{"mnutri", "mnusev", "mnuVof", "mnuviiof", "mnu6"};
    for (std::size_t i = 0; i < chordLists.size(); ++i)
        addTyped(menus.chordAnswers, "mnuchordtype", static_cast<int>(i), mnuchordtype[i], chordListNames[i],
                 chordLists[i]);
    // The Neapolitan has no second part.
    QAction* neapolitan = menus.chordAnswers->addAction(text(mnuchordtype[5]));
    nameControl(neapolitan, "mnuchordtype", 5);
    connect(neapolitan, &QAction::triggered, this, [this] { emit chosen(text(mnuchordtype[5]), QString()); });

    addTyped(menus.keySigAnswers, "mnukeymode", 0, mnukeymode[0], "mnumajkey", mnumajkey);
    addTyped(menus.keySigAnswers, "mnukeymode", 1, mnukeymode[1], "mnuminkey", mnuminkey);

    for (int type = 0; type < static_cast<int>(mnuintervaltype.size()); ++type) {
        const IntervalQualityMenu qualities = intervalQualityMenu(type);
        addTyped(menus.intervalAnswers, "mnuintervaltype", type, mnuintervaltype[static_cast<std::size_t>(type)],
                 qualities.menu.data(), qualities.captions);
    }

    addTyped(menus.earTrainingChordAnswers, "mnuchordtypeet", 0, mnuchordtypeet[0], "mnutriet", mnutriet);
    addTyped(menus.earTrainingChordAnswers, "mnuchordtypeet", 1, mnuchordtypeet[1], "mnusevet", mnusevet);
}

void AnswerChoices::setAdvancedIntervalsVisible(bool visible) {
    for (QAction* item : m_advancedIntervals)
        item->setVisible(visible);
}

} // namespace tonalyst
