#pragma once

#include "activities/Activity.h"
#include "app/MainWindow.h"

namespace tonalyst {

// The main window's answer entry as the activities ask for it.
class MainWindow::Desk final : public AnswerDesk {
public:
    explicit Desk(MainWindow& window) : w(window) {}

    void clearStaff() override;
    void focusSubmit() override;
    void clearChoices() override;
    void replayAndOfferChoices() override;
    void setEarTrainingTitle(const std::string& title) override;
    void restrictToCommonIntervals() override;
    void showEarTrainingWhileRunning() override;
    void askEarTrainingChords() override;
    void editScaleDegreeOptions() override;
    void editChordFunctionOptions() override;
    void editProgressionOptions() override;
    void editCadenceOptions() override;

private:
    MainWindow& w;
};

} // namespace tonalyst
