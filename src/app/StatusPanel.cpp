#include "app/StatusPanel.h"

#include "cycle/RunModel.h"
#include "platform/ControlNames.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>

namespace tonalyst {

namespace {

struct Row {
    int headingIndex;
    const char* heading;
    StatusPanel::Value value;
};

// Top to bottom, as the panel has always read.
constexpr Row kRows[] = {
    {0, QT_TRANSLATE_NOOP("StatusPanel", "Activity"), StatusPanel::ActivityValue},
    {1, QT_TRANSLATE_NOOP("StatusPanel", "Method"), StatusPanel::MethodValue},
    {5, QT_TRANSLATE_NOOP("StatusPanel", "Elapsed Time"), StatusPanel::ElapsedValue},
    {8, QT_TRANSLATE_NOOP("StatusPanel", "Time per Ques"), StatusPanel::TimePerQuestion},
    {6, QT_TRANSLATE_NOOP("StatusPanel", "Successes"), StatusPanel::Successes},
    {7, QT_TRANSLATE_NOOP("StatusPanel", "Success Rate"), StatusPanel::SuccessRate},
    {9, QT_TRANSLATE_NOOP("StatusPanel", "SCORE"), StatusPanel::Score},
};

// As wide as a value usually is, so that the panel keeps still as the figures change.
constexpr int kValueWidth = 110;

} // namespace

StatusPanel::StatusPanel(const char* frameName, const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    nameControl(this, frameName);
    auto* layout = new QFormLayout(this);
    layout->setLabelAlignment(Qt::AlignRight);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(6);
    for (const Row& row : kRows) {
        auto* heading = new QLabel(QCoreApplication::translate("StatusPanel", row.heading), this);
        nameControl(heading, "lblStatus", row.headingIndex);
        auto* value = new QLabel(this);
        nameControl(value, "lblstatmsg", row.value);
        // The value's text is what is read as it changes; its heading says what it is.
        value->setAccessibleDescription(heading->text());
        value->setMinimumWidth(kValueWidth);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        if (row.value == Score) {
            bold.setPointSizeF(bold.pointSizeF() * 1.4);
            value->setFont(bold);
            heading->setFont(bold);
        }
        m_values[static_cast<std::size_t>(row.value)] = value;
        layout->addRow(heading, value);
    }
}

void StatusPanel::follow(const RunModel& model) {
    for (RunModel::Status value : RunModel::kStatusValues)
        setValue(value, model.status(value));
    connect(&model, &RunModel::statusChanged, this, &StatusPanel::setValue);
}

void StatusPanel::setValue(int value, const QString& text) {
    QLabel* label = m_values[static_cast<std::size_t>(value)];
    label->setText(text);
    // Wider for a longer value, such as an activity's name in some languages: the minimum
    // set above would otherwise let the window cut it off.
    label->setMinimumWidth(std::max(kValueWidth, label->sizeHint().width()));
}

QString StatusPanel::value(Value value) const {
    return m_values[static_cast<std::size_t>(value)]->text();
}

} // namespace tonalyst
