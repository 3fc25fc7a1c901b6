#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace tonalyst {

// A frame of mutually exclusive option buttons forming one control array: each button
// carries the array's name and its index.
class OptionButtonGroup : public QGroupBox {
    Q_OBJECT
public:
    OptionButtonGroup(const QString& title, const char* arrayName, const QStringList& captions,
                      QWidget* parent = nullptr);

    int count() const { return static_cast<int>(m_buttons.size()); }
    QRadioButton* button(int index) const;

    // The selected button's index, or -1 when none is selected.
    int selected() const;
    // Selects the button without clicking it; an index out of range changes nothing.
    void select(int index);

    // Further controls below the buttons.
    void addBelow(QWidget* widget);

signals:
    // The student (or code through click()) clicked the button with this index.
    void optionClicked(int index);

private:
    std::vector<QRadioButton*> m_buttons;
    QButtonGroup* m_group;
    QVBoxLayout* m_layout;
};

} // namespace tonalyst
