#include "app/MainWindowDesk.h"

#include "app/EarTrainingWindow.h"
#include "app/OptionDialogs.h"
#include "cycle/QuestionCycle.h"
#include "staff/StaffPanel.h"

#include <QPushButton>

namespace tonalyst {

void MainWindow::Desk::clearStaff() {
    w.m_staffPanel->clearStaff();
}

void MainWindow::Desk::focusSubmit() {
    w.m_submit->setFocus();
}

void MainWindow::Desk::clearChoices() {
    w.m_cycle->clearIdentificationAnswer();
}

void MainWindow::Desk::replayAndOfferChoices() {
    w.m_cycle->playanswer();
    w.m_showChoices->click();
}

void MainWindow::Desk::setEarTrainingTitle(const std::string& title) {
    w.m_earTraining->setWindowTitle(QString::fromStdString(title));
}

void MainWindow::Desk::restrictToCommonIntervals() {
    w.m_options->selectCommonIntervals();
}

void MainWindow::Desk::showEarTrainingWhileRunning() {
    if (w.m_state.questionNumber != 0)
        w.showEarTrainingWindow();
}

void MainWindow::Desk::askEarTrainingChords() {
    w.m_options->execEarTrainingChords();
}

void MainWindow::Desk::editScaleDegreeOptions() {
    w.m_options->execScaleDegreeOptions();
}

void MainWindow::Desk::editChordFunctionOptions() {
    w.m_options->execChordFunctionOptions();
}

void MainWindow::Desk::editProgressionOptions() {
    w.m_options->execProgressionOptions();
}

void MainWindow::Desk::editCadenceOptions() {
    w.m_options->execCadenceOptions();
}

} // namespace tonalyst
