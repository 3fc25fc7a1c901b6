#pragma once

#include <QGroupBox>

#include <array>

class QLabel;

namespace tonalyst {

class RunModel;

// The status panel: a heading and a value for activity, method, elapsed time, time per
// question, successes, success rate and score. Values are addressed by their design
// index (0, 1, 3 to 7; there is no value 2).
class StatusPanel final : public QGroupBox {
    Q_OBJECT

public:
    enum Value { ActivityValue = 0, MethodValue = 1, ElapsedValue = 3, TimePerQuestion = 4, Successes = 5,
                 SuccessRate = 6, Score = 7 };

    // frameName and title: "fraStatus"/"Status" on the main window, "frmgame"/"Score" on
    // the ear-training window.
    StatusPanel(const char* frameName, const QString& title, QWidget* parent = nullptr);

    // Shows the run model's values from now on.
    void follow(const RunModel& model);
    QString value(Value value) const;

private:
    void setValue(int value, const QString& text);

    std::array<QLabel*, 8> m_values{};
};

} // namespace tonalyst
