#pragma once

#include "app/IdleWatch.h"

#include <QDialog>

#include <array>

class QRadioButton;

namespace tonalyst {

class Clock;

// Options: Auto Exit. Chooses after how many idle minutes the program ends by itself.
// The main window keeps it for the whole run and presses OK in code at load, so the
// run starts with "Never" and the count starting then.
class AutoQuitDialog final : public QDialog {
    Q_OBJECT

public:
    AutoQuitDialog(IdleWatch& watch, Clock& clock, QWidget* parent = nullptr);

public slots:
    // The OK button: restarts the idle count now, sets the chosen limit and hides.
    void pressOk();

    // The close box or Esc: nothing changes, and the buttons show the limit in force.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr std::array<int, 4> kMinutes{5, 10, 20, 30};
    static constexpr int kNever = 4;

    int chosenIndex() const;
    void showLimitInForce();

    IdleWatch& m_watch;
    Clock& m_clock;
    std::array<QRadioButton*, kMinutes.size() + 1> m_options{};
};

} // namespace tonalyst
