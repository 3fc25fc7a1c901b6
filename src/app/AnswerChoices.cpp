#include "app/AnswerChoices.h"

#include "app/MainMenus.h"
#include "captions/AnswerCaptions.h"
#include "platform/ControlNames.h"
#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"
#include "theory/NoteNames.h"

#include <QCoreApplication>
#include <QMenu>

#include <algorithm>
#include <array>
#include <span>

namespace tonalyst {

namespace {

QString text(std::string_view caption) {
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

} // namespace

AnswerChoices::AnswerChoices(MainMenus& menus, QObject* parent) : QObject(parent) {
    // A type entry with its submenu: choosing in the submenu answers both parts.
    const auto addTyped = [this](ChoiceMenu choice, QMenu* menu, const char* typeName, int typeIndex,
                                 std::string_view typeCaption, const char* itemName,
                                 std::span<const std::string_view> items, bool tonics) {
        QMenu* submenu = menu->addMenu(QString());
        nameControl(submenu->menuAction(), typeName, typeIndex);
        m_entries.push_back({submenu->menuAction(), choice, {}, typeCaption, false, false});
        const bool minor = typeCaption == mnukeymode[1];
        for (std::size_t i = 0; i < items.size(); ++i) {
            QAction* item = submenu->addAction(QString());
            nameControl(item, itemName, static_cast<int>(i));
            m_entries.push_back({item, choice, typeCaption, items[i], tonics, minor});
            connect(item, &QAction::triggered, this,
                    [this, typeCaption, entry = items[i]] { emit chosen(text(typeCaption), text(entry)); });
            if (isAdvancedIntervalItem(itemName, static_cast<int>(i)))
                m_advancedIntervals.push_back(item);
        }
    };

    const std::array<std::span<const std::string_view>, 5> chordLists{mnutri, mnusev, mnuVof, mnuviiof, mnu6};
    const std::array<const char*, 5> chordListNames{"mnutri", "mnusev", "mnuVof", "mnuviiof", "mnu6"};
    for (std::size_t i = 0; i < chordLists.size(); ++i)
        addTyped(ChoiceMenu::Chords, menus.chordAnswers, "mnuchordtype", static_cast<int>(i), mnuchordtype[i],
                 chordListNames[i], chordLists[i], false);
    // The Neapolitan has no second part.
    QAction* neapolitan = menus.chordAnswers->addAction(QString());
    nameControl(neapolitan, "mnuchordtype", 5);
    m_entries.push_back({neapolitan, ChoiceMenu::Chords, {}, mnuchordtype[5], false, false});
    connect(neapolitan, &QAction::triggered, this, [this] { emit chosen(text(mnuchordtype[5]), QString()); });

    addTyped(ChoiceMenu::KeySignatures, menus.keySigAnswers, "mnukeymode", 0, mnukeymode[0], "mnumajkey",
             mnumajkey, true);
    addTyped(ChoiceMenu::KeySignatures, menus.keySigAnswers, "mnukeymode", 1, mnukeymode[1], "mnuminkey",
             mnuminkey, true);

    for (int type = 0; type < static_cast<int>(mnuintervaltype.size()); ++type) {
        const IntervalQualityMenu qualities = intervalQualityMenu(type);
        addTyped(ChoiceMenu::Intervals, menus.intervalAnswers, "mnuintervaltype", type,
                 mnuintervaltype[static_cast<std::size_t>(type)], qualities.menu.data(), qualities.captions,
                 false);
    }

    addTyped(ChoiceMenu::ChordQualities, menus.earTrainingChordAnswers, "mnuchordtypeet", 0,
             mnuchordtypeet[0], "mnutriet", mnutriet, false);
    addTyped(ChoiceMenu::ChordQualities, menus.earTrainingChordAnswers, "mnuchordtypeet", 1,
             mnuchordtypeet[1], "mnusevet", mnusevet, false);

    for (const Entry& entry : m_entries)
        entry.action->setText(shownCaption(entry.menu, entry.caption));
    showNaming();
}

void AnswerChoices::setAdvancedIntervalsVisible(bool visible) {
    for (QAction* item : m_advancedIntervals)
        item->setVisible(visible);
}

void AnswerChoices::showNaming() {
    for (const Entry& entry : m_entries)
        if (entry.tonic)
            entry.action->setText(shownTonic(entry.caption, entry.minor));
}

const AnswerChoices::Entry* AnswerChoices::find(ChoiceMenu menu, std::string_view type,
                                                std::string_view caption) const {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
        return entry.menu == menu && entry.type == type && entry.caption == caption;
    });
    return found == m_entries.end() ? nullptr : &*found;
}

std::pair<QString, QString> AnswerChoices::shownAnswer(ChoiceMenu menu, std::string_view part1,
                                                       std::string_view part2) const {
    const Entry* type = find(menu, {}, part1);
    const Entry* item = find(menu, part1, part2);
    return {type ? type->action->text() : text(part1), item ? item->action->text() : text(part2)};
}

QStringList AnswerChoices::captions() const {
    QStringList shown;
    for (const Entry& entry : m_entries)
        shown << entry.action->text();
    return shown;
}

} // namespace tonalyst
