#include "cycle/QuestionCycle.h"

#include "cycle/StatusText.h"
#include "records/PerformanceDataFile.h"
#include "theory/AnswerPreparation.h"
#include "theory/AnswerText.h"

#include <QCoreApplication>
#include <QUuid>

#include <algorithm>

namespace tonalyst {

namespace {

// Made when asked, not at start-up: the language is installed after static texts exist.
QString tryAgainText() {
    return QCoreApplication::translate("QuestionCycle",
                                       "That is not correct. \r\n\r\nDo you want to try again? "
                                       "\r\n(Choose No to see answer)");
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QuestionCycle::QuestionCycle(RunState& state, const QuestionSettings& settings, CycleView& view,
                             CycleServices services, PerformanceDataFile& records,
                             IntervalQuestionMaker* intervals)
    : m_state(state), m_settings(settings), m_view(view), m_services(services), m_records(records),
      m_intervals(intervals) {}

void QuestionCycle::start() {
    m_counters.reset();
    m_pending.clear();
    m_pendingAnswers.clear();
    m_state.questionNumber = 0;
    m_heardKey.reset();
    m_running = true;
    m_runId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    questionstep();
}

void QuestionCycle::questionstep() {
    if (!m_running)
        return;
    if (m_state.reviewing)
        reviewstep();
    else if (m_state.isTest())
        testStep();
    else
        practiceStep();
}

void QuestionCycle::setNamePlayed(std::size_t index, const QString& keys) {
    m_namesPlayed.resize(static_cast<qsizetype>(index) + 1);
    m_namesPlayed.back() = keys;
}

QString QuestionCycle::played() const {
    if (m_namesPlayed.isEmpty())
        return m_played;
    QStringList keys;
    const qsizetype names = std::min(m_namesPlayed.size(), static_cast<qsizetype>(m_answer.sequence.size()));
    for (qsizetype i = 0; i < names; ++i)
        if (!m_namesPlayed[i].isEmpty())
            keys << m_namesPlayed[i];
    return keys.join(QStringLiteral(" | "));
}

void QuestionCycle::clearIdentificationAnswer() {
    m_answer.answer1.clear();
    m_answer.answer2.clear();
    m_answer.sequence.clear();
    m_played.clear();
    m_namesPlayed.clear();
    m_view.clearIdentificationLabels();
}

void QuestionCycle::endrun() {
    m_running = false;
    m_state.questionNumber = 0;
    m_view.endrun();
    const WriteOutcome outcome = m_records.writePending(m_view.userId(), m_pending);
    // The data file keeps whatever it could not append in its recovery file; the history
    // counts as the data file does.
    if (outcome.written && m_observer)
        m_observer->recordsWritten(m_pendingAnswers);
    m_pending.clear();
    m_pendingAnswers.clear();
    if (!outcome.message.isEmpty())
        m_services.prompter.message(outcome.message, outcome.icon);
}

void QuestionCycle::playanswer() {
    const QuestionSlot* slot = currentSlot();
    if (!slot)
        return;
    if (slot->question.heard)
        playHeard(*slot, {.question = true});
    else
        m_view.playanswer(questionNotes(*slot));
}

void QuestionCycle::playCadence() {
    if (const QuestionSlot* slot = currentSlot(); slot && slot->question.heard)
        playHeard(*slot, {.cadence = true});
}

void QuestionCycle::soundAnswer(const QuestionSlot& slot) {
    if (!slot.question.heard)
        m_view.playanswer(questionNotes(slot));
    else if (!slot.question.heard->resolution.empty())
        playHeard(slot, {.question = true, .resolution = true});
}

void QuestionCycle::playHeard(const QuestionSlot& slot, CycleView::HeardParts parts) {
    const InKeyCommon* common = m_state.current->inKeyCommon(m_settings);
    m_view.playHeard(*slot.question.heard, parts, common ? common->tempo : InKeyCommon().tempo);
}

const QuestionSlot* QuestionCycle::currentSlot() const {
    const int number = m_state.questionNumber;
    if (number < 1 || number > kMaxTestLength)
        return nullptr;
    return &m_slots[static_cast<std::size_t>(number)];
}

ActivityState QuestionCycle::activityState() const {
    return m_state.activityState();
}

int QuestionCycle::testLength() const {
    return std::clamp(m_settings.testLength, 1, kMaxTestLength);
}

bool QuestionCycle::identification() const {
    return !spelling();
}

bool QuestionCycle::spelling() const {
    return m_state.current->answersOnStaff();
}

bool QuestionCycle::inversionList(const QuestionSlot& slot) const {
    return m_state.current->usesInversionList(slot.question, slot.inversions);
}

std::vector<WrittenNote> QuestionCycle::questionNotes(const QuestionSlot& slot) const {
    std::vector<WrittenNote> notes;
    for (std::size_t i = 0; i < slot.prepared.notes.size(); ++i)
        notes.push_back({slot.prepared.notes[i].step + 1, slot.prepared.notes[i].code()});
    if (slot.question.direction == IntervalDirection::Below)
        std::reverse(notes.begin(), notes.end());
    return notes;
}

RightAnswer QuestionCycle::rightAnswer(const QuestionSlot& slot) const {
    return m_view.shownRightAnswer(
        slot.question,
        m_state.current->rightAnswer(slot.question, slot.prepared, slot.inversions, inversionList(slot)));
}

void QuestionCycle::testStep() {
    const int number = m_state.questionNumber;
    if (number == 0) {
        m_counters.resetSuccesses();
        nextQuestion(1, 1);
        return;
    }
    QuestionSlot& slot = m_slots[static_cast<std::size_t>(number)];
    const int verdict = judge(slot);
    if (verdict == kRight) {
        m_counters.countSuccess();
        soundAnswer(slot);
    }
    reportAnswer();
    recordanswer(slot, verdict);
    if (verdict == kWrong) {
        m_view.beepn(1);
        m_services.prompter.message(
            QCoreApplication::translate("QuestionCycle", "Wrong: hit ok for next question"),
            Prompter::Icon::None);
    } else {
        m_view.beepn(3);
        slot.firstPromptLine = kRightMark;
        m_services.prompter.message(
            QCoreApplication::translate("QuestionCycle", "Good work: hit OK for next question"),
            Prompter::Icon::None);
    }
    if (!m_running)
        return;
    m_view.showkeysig(slot.question, false);
    if (number >= testLength())
        finishTest();
    else
        nextQuestion(number + 1, number + 1);
}

void QuestionCycle::finishTest() {
    m_view.stopElapsedTime();
    m_view.clearstaff();
    m_state.questionNumber = 0;
    if (!m_state.current->offersReview()) {
        m_services.prompter.message(
            QCoreApplication::translate("QuestionCycle", "Test Complete.  Hit OK to continue"),
            Prompter::Icon::None);
        endrun();
        return;
    }
    const bool review = m_services.prompter.askYesNo(
        QCoreApplication::translate("QuestionCycle", "Test complete: Do you wish to review any errors ?"));
    if (!m_running)
        return;
    if (!review) {
        endrun();
        return;
    }
    m_state.reviewing = true;
    m_view.showReviewControls();
    reviewstep();
}

void QuestionCycle::practiceStep() {
    if (m_state.questionNumber != 0) {
        QuestionSlot& slot = m_slots[1];
        const int verdict = judge(slot);
        // Kept the moment it is judged: the verdict's box may be the last thing shown.
        reportAnswer();
        if (verdict == kWrong) {
            m_view.beepn(1);
            const bool again = m_services.prompter.askYesNo(tryAgainText());
            if (!m_running)
                return;
            if (again) {
                retry(slot);
                return;
            }
            soundAnswer(slot);
            m_services.prompter.message(
                fromStd(rightAnswerMessage(
                    QCoreApplication::translate("QuestionCycle", "The right answer is :").toStdString(),
                    rightAnswer(slot))),
                Prompter::Icon::Exclamation);
        } else {
            m_counters.countSuccess();
            soundAnswer(slot);
            m_services.prompter.message(
                QCoreApplication::translate("QuestionCycle", "Good work: hit OK for next question"),
                Prompter::Icon::None);
        }
        if (!m_running)
            return;
        recordanswer(slot, verdict);
    }
    nextQuestion(1, m_counters.pendingcount() + 1);
}

void QuestionCycle::retry(const QuestionSlot& slot) {
    if (identification()) {
        clearIdentificationAnswer();
        return;
    }
    m_view.showAnswerMessage(fromStd(slot.prepared.hinttext));
    m_view.prepareAnswerEntry();
}

int QuestionCycle::judge(QuestionSlot& slot) {
    Submission submission{m_answer, spelling() ? m_view.staffNotes() : std::vector<WrittenNote>{}};
    const Activity& activity = *m_state.current;
    if (spelling() && !m_state.reviewing)
        slot.writtenNotes = submission.staffNotes;
    const bool inversions = inversionList(slot);
    const int verdict = activity.judge(slot.question, slot.prepared, inversions, submission, slot.recorded,
                                       m_state.reviewing);

    const QDateTime now = m_services.clock.now();
    AnswerRecord& a = m_judged;
    a = AnswerRecord();
    a.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    a.answeredUtc = now.toUTC();
    // Until its run's records are written.
    a.inDataFile = false;
    a.userId = m_view.userId();
    a.runId = m_runId;
    a.method = QString::fromLatin1(methodCode(m_state.method));
    a.activity = QString::fromLatin1(activity.recordCode());
    a.inversions = slot.inversions == InversionOption::Off ? QStringLiteral("-1") : QStringLiteral("0");
    a.category = fromStd(activity.recordCategory(slot.question));
    a.accidentals = slot.question.sigCount;
    const AnswerTexts texts = activity.answerTexts(slot.question, slot.prepared, submission, inversions);
    a.key = fromStd(texts.key);
    a.item = fromStd(texts.item);
    a.inversion = fromStd(slot.question.invLabel).trimmed();
    a.asked = fromStd(texts.asked);
    a.given = fromStd(texts.given);
    a.right = fromStd(texts.right);
    a.played = played();
    a.correct = verdict == kRight;
    // The review's correction is the second answer to its test question.
    a.attempt = m_state.reviewing ? 2 : ++m_attempts;
    a.seconds =
        static_cast<int>(std::max<qint64>(0, now.toSecsSinceEpoch() - m_questionStart.toSecsSinceEpoch()));
    return verdict;
}

void QuestionCycle::reportAnswer() {
    if (m_observer)
        m_observer->answerJudged(m_judged);
}

void QuestionCycle::recordanswer(QuestionSlot& slot, int verdict) {
    slot.prepared.hinttext.clear();
    // Both moments read to the second; a clock set back never makes a negative time.
    const qint64 seconds =
        std::max<qint64>(0, m_services.clock.now().toSecsSinceEpoch() - m_questionStart.toSecsSinceEpoch());
    m_counters.addAnswer(seconds);
    // Only the history records what the data file's format has no place for.
    if (m_state.current->keptInDataFile())
        pendRecord(slot, verdict, seconds);
    m_view.showStatus(m_counters.statusValues());
    if (m_state.switchPending)
        m_view.applyactivity();
}

void QuestionCycle::pendRecord(const QuestionSlot& slot, int verdict, qint64 seconds) {
    m_pendingAnswers << m_judged.answerId;
    PendingRecord record;
    record.recseconds = static_cast<int>(seconds);
    record.recsuccess = verdict;
    record.reccategory = fromStd(m_state.current->recordCategory(slot.question));
    record.recsigcount = slot.question.sigCount;
    record.recmethod = QString::fromLatin1(methodCode(m_state.method));
    record.recactivity = QString::fromLatin1(m_state.current->recordCode());
    record.recinversions =
        slot.inversions == InversionOption::Off ? QStringLiteral("-1") : QStringLiteral("0");
    m_pending.push_back(record);
}

void QuestionCycle::nextQuestion(int number, int shownNumber) {
    m_view.clearAnswerLabels();
    // A hint belongs to the question it was given for.
    m_view.showAnswerMessage(QString());
    m_view.clearstaff();
    m_state.questionNumber = number;
    m_view.showQuestionNumber(QCoreApplication::translate("QuestionCycle", "Question # %1")
                                  .arg(QLatin1Char(' ') + numberText(shownNumber)));
    m_view.hideInversionList();
    m_answer.answer3.clear();
    m_played.clear();
    m_namesPlayed.clear();

    QuestionSlot& slot = m_slots[static_cast<std::size_t>(number)];
    slot = QuestionSlot();
    slot.inversions = m_settings.inversions;
    m_view.changeclef();
    const ActivityState activity = activityState();
    const QuestionContext context{m_settings, activity, m_services.random};
    DrawnQuestion drawn =
        m_state.current->draw(context, m_intervals, m_state.isTest() ? nullptr : m_weakSpots);
    std::optional<Question>& question = drawn.question;
    const CurrentKey& key = drawn.key;
    m_attempts = 0;
    if (!question) {
        // Settings under which no question can be written leave nothing to ask.
        m_services.prompter.message(
            QCoreApplication::translate("QuestionCycle", "No question can be made with the chosen settings."),
            Prompter::Icon::Exclamation);
        endrun();
        return;
    }
    slot.question = std::move(*question);
    slot.key = key;
    m_state.directionAbove = slot.question.direction == IntervalDirection::Above;
    slot.prepared = prepareanswer(slot.question, key, activity);
    slot.firstPromptLine = slot.question.prompt;
    if (inversionList(slot))
        m_view.displayinvmnu(slot.question, slot.inversions, std::nullopt);
    presentQuestion(slot);
}

void QuestionCycle::showPrompt(const QuestionSlot& slot) {
    const QString keyLine = fromStd(slot.question.keyText);
    const QString line1 = m_state.earTraining() ? fromStd(m_state.current->displayedQuestion(slot.question))
                                                : fromStd(slot.firstPromptLine);
    m_view.showPrompt(line1, identification()
                                 ? keyLine
                                 : QCoreApplication::translate("QuestionCycle", "enter  %1").arg(keyLine));
}

void QuestionCycle::presentQuestion(const QuestionSlot& slot) {
    if (identification())
        m_view.showAnswerWas(QCoreApplication::translate("QuestionCycle", "Your answer is ..."),
                             CycleView::AnswerWasStyle::Plain);
    else
        m_view.showAnswerWas(QString(), CycleView::AnswerWasStyle::Plain);
    showPrompt(slot);
    m_questionStart = m_services.clock.now();
    m_view.setNoteLimit(slot.question.noteCount());

    if (identification())
        m_view.showKeyIndication(slot.question, slot.key);
    if (const std::vector<WrittenNote> shown = m_state.current->shownNotes(questionNotes(slot));
        !shown.empty())
        m_view.enterNotes(shown);
    if (const std::optional<HeardInKey>& heard = slot.question.heard) {
        m_view.offerNames(slot.question);
        // The cadence sets the key; within a run, a key that stays may go without it.
        const InKeyCommon* common = m_state.current->inKeyCommon(m_settings);
        const bool keyKept = common && common->skipRepeatedCadence && m_heardKey == heard->key;
        m_heardKey = heard->key;
        playHeard(slot, {.cadence = !keyKept, .question = true});
    }
    m_view.showAnswerLabels();
    if (identification())
        clearIdentificationAnswer();
    else
        m_view.prepareAnswerEntry();
}

} // namespace tonalyst
