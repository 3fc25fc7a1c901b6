// The answer side of the main window: the identification menus and the inversion list
// filling in the answer, and Submit Answer checking it is complete before it is judged.
#include "app/AnswerChoices.h"
#include "app/EarTrainingWindow.h"
#include "app/MainWindow.h"
#include "app/ShellDialogs.h"
#include "captions/AnswerCaptions.h"
#include "cycle/QuestionCycle.h"
#include "staff/StaffPanel.h"
#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"
#include "theory/Judge.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tonalyst {

namespace {

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// The placeholder answer2 holds while only a chord type has been chosen.
const QString kNoChordName = QStringLiteral("(chordname)  ");

} // namespace

void MainWindow::submit() {
    const QuestionSlot* slot = m_cycle->currentSlot();
    if (!slot)
        return;
    const Activity& activity = *m_state.current;
    if (const int wanted = Activity::namesWanted(slot->question); wanted > 0) {
        const int named = static_cast<int>(m_cycle->answer().sequence.size());
        if (named < wanted) {
            refuseSubmit(named == 0 ? tr("Enter an answer")
                                    : tr("Name all %1: %2 named so far").arg(wanted).arg(named),
                         Prompter::Icon::None, false);
            return;
        }
        m_shell->idleWatch().touch(m_platform.clock.now());
        m_cycle->questionstep();
        return;
    }
    if (activity.needsAllNotes() && m_staffPanel->noteCount() < slot->question.noteCount()) {
        refuseSubmit(tr("Not enough tones"), Prompter::Icon::Exclamation, false);
        return;
    }
    if (!activity.answersOnStaff()) {
        const AnswerParts& answer = m_cycle->answer();
        if (answer.answer1.empty()) {
            refuseSubmit(tr("Enter an answer"), Prompter::Icon::None, true);
            return;
        }
        if (m_inversion->isVisible() && m_inversion->currentData().toString() == text(kNoInversionChosen)) {
            refuseSubmit(tr("choose an inversion"), Prompter::Icon::None, false);
            return;
        }
        if (activity.needsSecondChoice(answer) &&
            (answer.answer2.empty() || text(answer.answer2) == kNoChordName)) {
            refuseSubmit(tr("Enter an answer"), Prompter::Icon::None, true);
            return;
        }
    }
    m_shell->idleWatch().touch(m_platform.clock.now());
    m_cycle->questionstep();
}

void MainWindow::refuseSubmit(const QString& message, Prompter::Icon icon, bool showMenu) {
    m_platform.beeper.beep();
    m_platform.prompter.message(message, icon);
    if (showMenu)
        m_showChoices->click();
}

void MainWindow::answerChosen(const QString& part1, const QString& part2) {
    if (!m_cycle->currentSlot())
        return;
    AnswerParts& answer = m_cycle->answer();
    answer.answer1 = part1.toStdString();
    answer.answer2 = part2.toStdString();
    showAnswerParts();
    markCorrectedAnswer();
}

void MainWindow::inversionChosen(int index) {
    if (!m_cycle->currentSlot() || index < 0)
        return;
    // The list shows the label translated and keeps it in English for the judge.
    m_cycle->answer().answer3 = m_inversion->itemData(index).toString().toStdString();
    showAnswerParts();
    markCorrectedAnswer();
}

void MainWindow::showAnswerParts() {
    const QuestionSlot* slot = m_cycle->currentSlot();
    const AnswerParts& answer = m_cycle->answer();
    auto [type, name] =
        m_answerChoices->shownAnswer(m_state.current->choiceMenu(), answer.answer1, answer.answer2);
    const bool figured = slot && slot->inversions == InversionOption::FiguredBass && m_inversion->isVisible();
    if (figured) {
        // Figured-bass notation shows the answer as one name, "V 6-5-3 of IV " and the like.
        const std::string figure = answer.answer3 == kNoInversionChosen ? std::string() : answer.answer3;
        // The chord in the menu's words, the figure as music writes it everywhere.
        const std::string chord = shownCaption(m_state.current->choiceMenu(), answer.answer2).toStdString();
        if (const auto combined = makefigbassIDanswer(answer.answer1, chord, figure, slot->question.category))
            name = QString::fromStdString(*combined);
        m_inversionLabel->clear();
    } else {
        const bool chosen = !answer.answer3.empty() && answer.answer3 != kNoInversionChosen;
        m_inversionLabel->setText(chosen ? shownInversion(answer.answer3) : QString());
    }
    m_chordType->setText(type);
    m_chordName->setText(name);
    m_earTraining->chordTypeLabel()->setText(type);
    m_earTraining->chordNameLabel()->setText(name);
    showEnteredNames();
}

void MainWindow::markCorrectedAnswer() {
    if (!m_state.reviewing)
        return;
    for (QLabel* label : {m_answerWas, m_earTraining->answerWasLabel()}) {
        label->setText(tr("Your corrected answer ..."));
        label->setStyleSheet(QStringLiteral("color: #008000;"));
        label->show();
    }
}

} // namespace tonalyst
