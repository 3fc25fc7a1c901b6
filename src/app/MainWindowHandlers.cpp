// The main window's handlers: activity and method choice, Start, the answer buttons,
// the timers, the switches, Reset and Quit, and the end of a run.
#include "app/AnswerChoices.h"
#include "app/AnswerHistory.h"
#include "app/ClassServerLink.h"
#include "app/EarTrainingWindow.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/MainWindowDesk.h"
#include "app/MidiLink.h"
#include "app/OptionDialogs.h"
#include "app/ShellDialogs.h"
#include "app/StatusPanel.h"
#include "cycle/QuestionCycle.h"
#include "cycle/RunModel.h"
#include "cycle/StatusText.h"
#include "intervals/ToneFileName.h"
#include "progress/ProgressWindow.h"
#include "report/ReportDialog.h"
#include "staff/StaffPanel.h"
#include "startup/ScreenFit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace tonalyst {

namespace {

// The pause between two feedback beeps, so that they are heard as separate beeps.
constexpr int kBeepGapMs = 150;

// Named answers leave the staff to the question's own notes; interval answers compare
// letters only, so no natural sign is kept for them.
EntryRules entryRulesOf(const Activity& activity) {
    return {.takesNotes = activity.answersOnStaff(), .keepsNaturalSign = !activity.traits().intervals};
}

void setMenuEnabled(QMenu* menu, bool enabled) {
    menu->setEnabled(enabled);
    menu->menuAction()->setEnabled(enabled);
}

} // namespace

void MainWindow::chooseActivity(int index) {
    QAction* item = m_menus->activities[index];
    if (item->isChecked())
        return;
    const Activity& activity = *allActivities()[static_cast<std::size_t>(index)];
    m_state.selected = &activity;
    if (m_state.questionNumber == 0)
        applyactivity();
    else
        toggledecision();
    if (activity.namesKeySignatures())
        m_options->selectKeySigDisplay(KeySigDisplayChoice::Symbolic);
    if (!activity.keepsKeySignatureDisplay())
        disablekeysigdisplay();
}

void MainWindow::toggledecision() {
    Prompter& prompter = m_platform.prompter;
    if (prompter.askYesNo(tr("Complete current question before changing activity ?"))) {
        prompter.message(tr("Will change activity after current question completed"),
                         Prompter::Icon::Exclamation);
        m_state.switchPending = true;
        return;
    }
    prompter.message(tr("Will now reset status bar and change activtiy..."), Prompter::Icon::Exclamation);
    endrun();
    applyactivity();
    start();
}

void MainWindow::applyactivity() {
    m_state.current = m_state.selected;
    const Activity& activity = *m_state.current;
    const bool spelling = activity.answersOnStaff();
    const bool earTraining = activity.earTraining();

    repeatbutton(earTraining);
    m_staffPanel->setPaletteVisible(spelling);
    m_staffPanel->setEntryRules(entryRulesOf(activity));
    m_showChoices->setVisible(!spelling && !activity.answersOnPad());
    m_earTraining->setNamePadShown(activity.answersOnPad());
    m_hideDisplay->setVisible(earTraining);
    if (!spelling) {
        m_chordType->show();
        m_chordName->show();
        m_earTraining->chordTypeLabel()->setVisible(!activity.answersOnPad());
        m_earTraining->chordNameLabel()->setVisible(!activity.answersOnPad());
    }
    m_options->selectKeySigDisplay(activity.namesKeySignatures() ? KeySigDisplayChoice::Symbolic
                                                                 : KeySigDisplayChoice::Written);
    m_options->pressKeySigDisplayOk();
    m_menus->viewKeySig->setChecked(false);
    m_menus->viewKeySig->setEnabled(activity.offersKeySignatureView());
    intervaleartrainsetup(activity.offersAdvancedIntervals());
    m_answerMessage->setVisible(spelling);
    // The menu and the status panel name the new activity before any of its dialogs asks.
    const std::span<const Activity* const> activities = allActivities();
    for (int i = 0; i < m_menus->activities.size(); ++i)
        m_menus->activities[i]->setChecked(activities[static_cast<std::size_t>(i)] == &activity);
    setStatus(StatusPanel::ActivityValue, QString::fromStdString(activity.statusText()));

    if (earTraining) {
        switchTonesOnIfOff();
        activity.enter(*m_desk);
    } else {
        showMainWindow();
    }

    if (!activity.asksIntervals())
        m_state.directionAbove = true;
    m_state.switchPending = false;
}

void MainWindow::choosePractice() {
    m_menus->practice->setChecked(true);
    m_menus->test->setChecked(false);
    m_earTraining->showDisplayButton()->setEnabled(true);
    m_state.method = Method::Practice;
    setStatus(StatusPanel::MethodValue, tr("practice"));
}

void MainWindow::chooseTest() {
    m_menus->test->setChecked(true);
    m_menus->practice->setChecked(false);
    m_earTraining->showDisplayButton()->setEnabled(false);
    m_state.method = Method::Test;
    setStatus(StatusPanel::MethodValue, tr("test"));
    endrun();
}

void MainWindow::start() {
    m_start->hide();
    enablecontrols(true);
    m_state.current = m_state.selected;
    m_staffPanel->setEntryRules(entryRulesOf(*m_state.current));
    m_earTraining->showDisplayButton()->setEnabled(!m_state.isTest());
    if (m_state.isTest()) {
        setMenuEnabled(m_menus->options, false);
        setActivityMenusEnabled(false);
    }
    m_menus->data->setEnabled(false);
    m_menus->quitTest->setEnabled(true);
    applyWeakSpots();
    m_state.runStart = m_platform.clock.now();
    m_elapsedTimer->start();

    m_state.questionNumber = 0;
    for (StatusPanel::Value value : {StatusPanel::TimePerQuestion, StatusPanel::Successes, StatusPanel::SuccessRate})
        setStatus(value, QString());
    if (m_state.isTest())
        setStatus(StatusPanel::Score, QStringLiteral("0"));
    else
        setStatus(StatusPanel::Score, QString());

    m_submit->setFocus();
    m_answerWas->clear();
    m_earTraining->answerWasLabel()->clear();
    setAnswerWasVisible(true);
    if (m_state.earTraining()) {
        switchTonesOnIfOff();
        showEarTrainingWindow();
    }
    m_cycle->start();
}

void MainWindow::clear() {
    m_state.current->clearAnswer(*m_desk);
}

void MainWindow::showChoices() {
    popUpAnswerMenu();
}

void MainWindow::popUpAnswerMenu() {
    QMenu* menu = m_menus->choiceMenu(m_state.current->choiceMenu());
    if (!menu)
        return;
    // Just right of the Show Choices button of whichever window the student works in.
    QWidget* anchor = m_earTraining->isVisible() ? m_earTraining->showChoicesButton() : m_showChoices;
    menu->popup(anchor->mapToGlobal(QPoint(anchor->width(), anchor->height() / 2)));
}

void MainWindow::hideDisplay() {
    showEarTrainingWindow();
    m_showChoices->click();
}

void MainWindow::tickElapsed() {
    const qint64 seconds = m_state.runStart.secsTo(m_platform.clock.now());
    setStatus(StatusPanel::ElapsedValue, elapsedText(seconds));
}

void MainWindow::checkIdle() {
    if (m_shell->idleWatch().shutdownDue(m_platform.clock.now())) {
        endrun();
        terminate();
    }
}

void MainWindow::toggleTones() {
    m_model->setTonesOn(!m_model->tonesOn());
}

void MainWindow::toggleBeep() {
    m_model->setBeepOn(!m_model->beepOn());
    beepn(2);
}

void MainWindow::toggleStatusBar() {
    const bool show = !m_menus->viewStatus->isChecked();
    m_menus->viewStatus->setChecked(show);
    m_status->parentWidget()->setVisible(show);
    m_status->setVisible(show);
}

void MainWindow::reset() {
    const bool wasTicking = m_elapsedTimer->isActive();
    m_elapsedTimer->stop();
    if (!m_platform.prompter.askYesNo(tr("Are you sure you want to reset Tonalyst?"))) {
        if (wasTicking)
            m_elapsedTimer->start();
        return;
    }
    setAnswerWasVisible(false);
    m_answerMessage->clear();
    m_state.selected = m_state.current;
    m_state.reviewing = false;
    endrun();
    showMainWindow();
}

void MainWindow::quit() {
    const bool wasTicking = m_elapsedTimer->isActive();
    m_elapsedTimer->stop();
    if (m_platform.prompter.askYesNo(tr("Are you sure you want to shut down Tonalyst ?"))) {
        endrun();
        terminate();
        return;
    }
    if (wasTicking)
        m_elapsedTimer->start();
}

void MainWindow::setUserId(const QString& userId) {
    m_userId = userId;
    m_classServer->setUser(userId);
    m_history->setUserId(userId);
    if (m_midi)
        m_midi->setUser(userId);
    if (m_menus->favorWeakSpots->isChecked())
        m_history->readWeakSpotsAhead([this] { applyWeakSpots(); });
}

void MainWindow::openReport() {
    ReportDialog dialog(m_platform.clock, m_platform.prompter, m_platform.files, m_userId, this);
    dialog.exec();
}

// Not modal: the student may keep it open beside the drill.
void MainWindow::openProgress() {
    auto* window = new ProgressWindow(m_userId, systemProgressDesktop(m_platform.files.dataDir(), m_userId),
                                      m_platform.clock, m_platform.prompter, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void MainWindow::openHelp(int item) {
    m_shell->openHelp(item);
}

void MainWindow::endrun() {
    m_cycle->endrun();
}

void MainWindow::returnToIdle() {
    m_staffPanel->clearQuestion();
    m_state.questionNumber = 0;
    enablecontrols(false);

    setMenuEnabled(m_menus->options, true);
    m_question1->clear();
    m_question2->clear();
    m_start->show();
    m_start->setEnabled(true);
    // The focus was on a control that is now disabled; Start is where the student goes next.
    m_start->setFocus();
    m_menus->quitTest->setEnabled(false);
    for (QLabel* label : {m_questionNumber, m_answerMessage, m_chordType, m_chordName, m_inversionLabel})
        label->clear();
    setAnswerWasVisible(false);
    m_inversion->hide();

    setActivityMenusEnabled(true);
    m_menus->data->setEnabled(true);
    if (m_earTraining->isVisible())
        showMainWindow();
}

void MainWindow::enablecontrols(bool flag) {
    for (QWidget* control : std::as_const(m_controls))
        control->setEnabled(flag);
    m_staffPanel->setEntryEnabled(flag);
    if (flag)
        m_elapsedTimer->start();
    else
        m_elapsedTimer->stop();
    m_idleTimer->start();
}

void MainWindow::beepn(int count) {
    if (!m_model->beepOn())
        return;
    // Spaced out on the event loop, so the beeps are heard apart and the window stays live.
    for (int i = 0; i < count; ++i)
        QTimer::singleShot(i * kBeepGapMs, this, [this] { m_platform.beeper.beep(); });
}

void MainWindow::repeatbutton(bool setup) {
    m_clear->setText(setup ? tr("Repeat Tones") : tr("Clear"));
}

void MainWindow::intervaleartrainsetup(bool show) {
    m_answerChoices->setAdvancedIntervalsVisible(show);
}

void MainWindow::disablekeysigdisplay() {
    m_menus->viewKeySig->setEnabled(false);
    m_menus->viewKeySig->setChecked(false);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_terminated) {
        endrun();
        terminate();
    }
    event->accept();
}

void MainWindow::switchTonesOnIfOff() {
    m_model->setTonesOn(true);
}

void MainWindow::showEarTrainingWindow() {
    // Placed before it is shown, so that an answer menu opened beside its buttons at once
    // opens where they are.
    if (!m_earTraining->isVisible())
        placeOnScreen(m_earTraining, isVisible() ? this : nullptr);
    hide();
    m_earTraining->show();
    m_earTraining->raise();
}

void MainWindow::showMainWindow() {
    if (!isVisible())
        placeOnScreen(this, m_earTraining->isVisible() ? m_earTraining : nullptr);
    m_earTraining->hide();
    show();
}

void MainWindow::setAnswerWasVisible(bool visible) {
    m_answerWas->setVisible(visible);
    m_earTraining->answerWasLabel()->setVisible(visible);
}

void MainWindow::setActivityMenusEnabled(bool enabled) {
    for (QAction* item : std::as_const(m_menus->activities))
        item->setEnabled(enabled);
    setMenuEnabled(m_menus->method, enabled);
}

void MainWindow::setStatus(int value, const QString& text) {
    m_model->setStatus(static_cast<RunModel::Status>(value), text);
}

void MainWindow::soundNote(int code, int position) {
    if (!m_model->tonesOn())
        return;
    const ToneClef clef = m_staffPanel->clef() == Clef::Bass ? ToneClef::Bass : ToneClef::Treble;
    if (const auto file = playnotesFileName(code, position, clef))
        m_platform.tones.play({QString::fromStdString(*file)});
}

void MainWindow::applyChosenClef(ClefChoice clef) {
    // A question under way keeps its clef; the next one draws from the new setting.
    if (m_start->isHidden() || clef == ClefChoice::Random)
        return;
    m_staffPanel->setClef(clef == ClefChoice::Bass ? Clef::Bass : Clef::Treble);
}

void MainWindow::terminate() {
    m_terminated = true;
    m_idleTimer->stop();
    m_elapsedTimer->stop();
    emit terminated();
}

} // namespace tonalyst
