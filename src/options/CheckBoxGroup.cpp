#include "options/CheckBoxGroup.h"

#include "platform/ControlNames.h"

#include <QVBoxLayout>

#include <algorithm>

namespace tonalyst {

CheckBoxGroup::CheckBoxGroup(const QString& title, const char* arrayName, const QStringList& captions,
                             QWidget* parent)
    : QGroupBox(title, parent), m_layout(new QVBoxLayout(this)) {
    for (int i = 0; i < captions.size(); ++i) {
        auto* box = new QCheckBox(captions[i], this);
        nameControl(box, arrayName, i);
        m_layout->addWidget(box);
        m_boxes.push_back(box);
    }
}

void CheckBoxGroup::setAllTicked(bool ticked) {
    for (QCheckBox* box : m_boxes)
        box->setChecked(ticked);
}

void CheckBoxGroup::setCaptions(const QStringList& captions) {
    for (std::size_t i = 0; i < m_boxes.size() && i < static_cast<std::size_t>(captions.size()); ++i)
        m_boxes[i]->setText(captions[static_cast<qsizetype>(i)]);
}

void CheckBoxGroup::reserveCaptions(const QStringList& captions) {
    for (std::size_t i = 0; i < m_boxes.size() && i < static_cast<std::size_t>(captions.size()); ++i) {
        QCheckBox* box = m_boxes[i];
        // Measured in the font and style the box is shown in.
        box->ensurePolished();
        const QString shown = box->text();
        box->setText(captions[static_cast<qsizetype>(i)]);
        const int wanted = box->sizeHint().width();
        box->setText(shown);
        box->setMinimumWidth(std::max({box->minimumWidth(), wanted, box->sizeHint().width()}));
    }
}

void CheckBoxGroup::addBelow(QWidget* widget) {
    m_layout->addWidget(widget);
}

void CheckBoxGroup::addFootRow(QLayout* row) {
    m_layout->addStretch(1);
    m_layout->addLayout(row);
}

} // namespace tonalyst
