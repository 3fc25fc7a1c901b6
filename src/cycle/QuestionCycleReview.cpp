#include "cycle/QuestionCycle.h"

#include "cycle/StatusText.h"

#include <QCoreApplication>

namespace tonalyst {

// The review judges corrected answers without counting or recording them: the test's
// result stands as it was.
void QuestionCycle::reviewstep() {
    if (m_state.questionNumber == 0) {
        if (testLength() - m_counters.successcount() == 0) {
            m_services.prompter.message(QCoreApplication::translate("QuestionCycle", "No errors to check"),
                                        Prompter::Icon::None);
            if (m_running)
                finishReview(false);
            return;
        }
        m_view.showAnswerMessage(
            QCoreApplication::translate("QuestionCycle", "Make corrections and press OK"));
    } else {
        QuestionSlot& slot = m_slots[static_cast<std::size_t>(m_state.questionNumber)];
        const int verdict = judge(slot);
        reportAnswer();
        if (verdict == kWrong) {
            m_view.beepn(1);
            m_services.prompter.message(
                QString::fromStdString(rightAnswerMessage(
                    QCoreApplication::translate("QuestionCycle", "Still wrong: the right answer is :")
                        .toStdString(),
                    rightAnswer(slot))),
                Prompter::Icon::Exclamation);
        } else {
            soundAnswer(slot);
            m_view.beepn(3);
            m_services.prompter.message(
                QCoreApplication::translate("QuestionCycle",
                                            "You got it this time: hit ok to review next question"),
                Prompter::Icon::None);
        }
        if (!m_running)
            return;
    }

    if (spelling())
        m_view.showAnswerWas(QString(), CycleView::AnswerWasStyle::Plain);
    else
        m_view.showAnswerWas(QCoreApplication::translate("QuestionCycle", "Your answer was ..."),
                             CycleView::AnswerWasStyle::Wrong);

    for (;;) {
        m_view.clearstaff();
        ++m_state.questionNumber;
        m_view.changeclef();
        if (m_state.questionNumber > testLength()) {
            finishReview(true);
            return;
        }
        if (m_slots[static_cast<std::size_t>(m_state.questionNumber)].firstPromptLine != kRightMark)
            break;
    }
    showReviewedQuestion(m_slots[static_cast<std::size_t>(m_state.questionNumber)]);
}

void QuestionCycle::showReviewedQuestion(const QuestionSlot& slot) {
    m_view.showQuestionNumber(QCoreApplication::translate("QuestionCycle", "Question # %1 was...")
                                  .arg(QLatin1Char(' ') + numberText(m_state.questionNumber)));
    showPrompt(slot);
    m_answer = slot.recorded.parts;
    m_namesPlayed.clear();
    m_view.setNoteLimit(slot.question.noteCount());
    m_questionStart = m_services.clock.now();
    if (spelling()) {
        m_view.enterNotes(slot.writtenNotes);
        m_view.prepareAnswerEntry();
        return;
    }
    const bool inversions = inversionList(slot);
    m_view.showRecordedAnswer(m_answer, slot.question, slot.inversions, inversions);
    if (inversions)
        m_view.displayinvmnu(slot.question, slot.inversions, m_answer.answer3);
    m_view.showKeyIndication(slot.question, slot.key);
    m_view.enterNotes(questionNotes(slot));
    if (slot.question.heard) {
        m_view.offerNames(slot.question);
        playHeard(slot, {.cadence = true, .question = true});
    }
    m_view.showChoices();
}

void QuestionCycle::finishReview(bool withMessage) {
    if (withMessage) {
        m_services.prompter.message(QCoreApplication::translate("QuestionCycle", "No More errors to check"),
                                    Prompter::Icon::None);
        if (!m_running)
            return;
    }
    m_state.questionNumber = 0;
    m_view.clearAnswerLabels();
    m_view.showAnswerMessage(QString());
    m_state.reviewing = false;
    m_view.enableReset();
    endrun();
}

} // namespace tonalyst
