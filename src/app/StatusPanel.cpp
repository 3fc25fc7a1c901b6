#include "app/StatusPanel.h"

#include "cycle/RunModel.h"
#include "platform/ControlNames.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>

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
        value->setMinimumWidth(110);
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
    m_values[static_cast<std::size_t>(value)]->setText(text);
}

QString StatusPanel::value(Value value) const {
    return m_values[static_cast<std::size_t>(value)]->text();
}

} // namespace tonalyst
