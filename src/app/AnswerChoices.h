#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QAction;

namespace tonalyst {

struct MainMenus;

// The identification answer menus that Show Choices pops up: chord types with their
// chords, key modes with their keys, interval types with their qualities, and the
// ear-training chord qualities. Choosing an entry hands over both answer parts: the
// caption of the type the entry sits under, and the entry's own caption.
class AnswerChoices final : public QObject {
    Q_OBJECT

public:
    AnswerChoices(MainMenus& menus, QObject* parent);

    // The advanced intervals are left out of the menu while ear training runs.
    void setAdvancedIntervalsVisible(bool visible);

signals:
    void chosen(const QString& part1, const QString& part2);

private:
    std::vector<QAction*> m_advancedIntervals;
};

} // namespace tonalyst
