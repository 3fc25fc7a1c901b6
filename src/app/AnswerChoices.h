#pragma once

#include "activities/Activity.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <string_view>
#include <utility>
#include <vector>

class QAction;

namespace tonalyst {

struct MainMenus;

// The identification answer menus that Show Choices pops up: chord types with their
// chords, key modes with their keys, interval types with their qualities, and the
// ear-training chord qualities. The menus show their captions translated and their keys in
// the note names in use; choosing an entry hands over both answer parts as the English
// captions, which are what is judged and recorded: the caption of the type the entry sits
// under, and the entry's own caption.
class AnswerChoices final : public QObject {
    Q_OBJECT

public:
    AnswerChoices(MainMenus& menus, QObject* parent);

    // The advanced intervals are left out of the menu while ear training runs.
    void setAdvancedIntervalsVisible(bool visible);
    // The keys of the key-signature menus follow the note names now in use.
    void showNaming();

    // An answer of that menu as the student reads it: the two parts as the entries they
    // were chosen with show them; a part no entry has stays as it is.
    std::pair<QString, QString> shownAnswer(ChoiceMenu menu, std::string_view part1,
                                            std::string_view part2) const;
    // Every caption the menus show, to measure the labels that show the chosen ones.
    QStringList captions() const;

signals:
    void chosen(const QString& part1, const QString& part2);

private:
    // One entry of a menu: a type (no type of its own) or an entry under one.
    struct Entry {
        QAction* action;
        ChoiceMenu menu;
        std::string_view type;
        std::string_view caption;
        bool tonic; // a key's tonic, named in the note names in use
        bool minor;
    };
    const Entry* find(ChoiceMenu menu, std::string_view type, std::string_view caption) const;

    std::vector<Entry> m_entries;
    std::vector<QAction*> m_advancedIntervals;
};

} // namespace tonalyst
