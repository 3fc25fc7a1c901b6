#include "options/OptionButtonGroup.h"

#include "platform/ControlNames.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tonalyst {

OptionButtonGroup::OptionButtonGroup(const QString& title, const char* arrayName, const QStringList& captions,
                                     QWidget* parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this)), m_layout(new QVBoxLayout(this)) {
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], this);
        nameControl(button, arrayName, i);
        m_group->addButton(button, i);
        m_layout->addWidget(button);
        m_buttons.push_back(button);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &OptionButtonGroup::optionClicked);
}

QRadioButton* OptionButtonGroup::button(int index) const {
    return m_buttons.at(static_cast<std::size_t>(index));
}

int OptionButtonGroup::selected() const {
    return m_group->checkedId();
}

void OptionButtonGroup::select(int index) {
    if (index >= 0 && index < count())
        button(index)->setChecked(true);
}

void OptionButtonGroup::addBelow(QWidget* widget) {
    m_layout->addWidget(widget);
}

} // namespace tonalyst
