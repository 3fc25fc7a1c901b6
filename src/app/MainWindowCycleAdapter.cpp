#include "app/MainWindowCycleAdapter.h"

#include "app/AnswerChoices.h"
#include "app/AnswerHistory.h"
#include "app/ClassServerLink.h"
#include "app/EarTrainingWindow.h"
#include "app/MainMenus.h"
#include "app/StatusPanel.h"
#include "captions/AnswerCaptions.h"
#include "cycle/QuestionCycle.h"
#include "cycle/RunCounters.h"
#include "cycle/RunModel.h"
#include "intervals/HeardPhrase.h"
#include "intervals/ToneFileName.h"
#include "staff/StaffPanel.h"
#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"
#include "theory/NoteNames.h"
#include "theory/SignatureSigns.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tonalyst {

namespace {

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// The question's key line is kept in English ("In the key of b-flat minor"), as the history
// records it; the window reads it back and names the key in the language and the note names
// in use. A line without a key it can read stays as it is.
QString shownKeyLine(const QString& line) {
    static const QString prefix = QStringLiteral("In the key of ");
    const qsizetype at = line.indexOf(prefix);
    if (at < 0)
        return line;
    const QString key = line.mid(at + prefix.size()).trimmed();
    const qsizetype blank = key.lastIndexOf(QLatin1Char(' '));
    const QString mode = key.mid(blank + 1);
    const std::optional<ReadPitch> tonic = readPitch(key.left(std::max<qsizetype>(blank, 0)).toStdString());
    if (blank < 0 || !tonic || (mode != QLatin1String("major") && mode != QLatin1String("minor")))
        return line;
    const std::string name = shownKeyName(tonic->pitch, mode == QLatin1String("minor"));
    return line.left(at) + QCoreApplication::translate("tonalyst::MainWindow", "In the key of %1")
                               .arg(QString::fromStdString(name));
}

// The light red that marks the student's wrong answer in the review.
const QString kWrongStyle = QStringLiteral("color: #ff0000;");

} // namespace

void MainWindow::CycleAdapter::showQuestionNumber(const QString& number) {
    w.m_model->setQuestionNumber(number);
}

void MainWindow::CycleAdapter::showPrompt(const QString& line1, const QString& line2) {
    w.m_question1->setText(line1);
    w.m_question2->setText(shownKeyLine(line2));
}

void MainWindow::CycleAdapter::showAnswerWas(const QString& answerWas, AnswerWasStyle style) {
    for (QLabel* label : {w.m_answerWas, w.m_earTraining->answerWasLabel()}) {
        label->setText(answerWas);
        label->setStyleSheet(style == AnswerWasStyle::Wrong ? kWrongStyle : QString());
        label->show();
    }
}

void MainWindow::CycleAdapter::showAnswerMessage(const QString& message) {
    w.m_answerMessage->setText(message);
}

void MainWindow::CycleAdapter::clearAnswerLabels() {
    for (QLabel* label : {w.m_chordType, w.m_chordName, w.m_inversionLabel, w.m_earTraining->chordTypeLabel(),
                          w.m_earTraining->chordNameLabel()}) {
        label->clear();
        label->hide();
    }
}

void MainWindow::CycleAdapter::showAnswerLabels() {
    for (QLabel* label : {w.m_chordType, w.m_chordName, w.m_inversionLabel})
        label->show();
    // The name pad shows the answer of the activities heard in a key.
    const bool menuAnswer = !w.m_state.current->answersOnPad();
    w.m_earTraining->chordTypeLabel()->setVisible(menuAnswer);
    w.m_earTraining->chordNameLabel()->setVisible(menuAnswer);
}

void MainWindow::CycleAdapter::clearIdentificationLabels() {
    for (QLabel* label :
         {w.m_chordType, w.m_chordName, w.m_earTraining->chordTypeLabel(), w.m_earTraining->chordNameLabel()})
        label->clear();
    w.showEnteredNames();
    w.popUpAnswerMenu();
}

void MainWindow::CycleAdapter::showRecordedAnswer(const AnswerParts& answer, const Question& question,
                                                  InversionOption notation, bool inversionList) {
    w.m_cycle->answer() = answer;
    w.showAnswerParts();
    const bool augmentedSixth = question.category == kAug6Category;
    w.m_inversionLabel->setText(inversionList && !augmentedSixth && notation != InversionOption::FiguredBass
                                    ? shownInversion(answer.answer3)
                                    : QString());
}

// A named answer reads "Triad : V", its key line and its inversion, all in English; each
// part found in it is shown as the window shows it elsewhere. Spelled answers are named in
// the note names already.
RightAnswer MainWindow::CycleAdapter::shownRightAnswer(const Question& question, RightAnswer answer) const {
    const ChoiceMenu menu = w.m_state.current->choiceMenu();
    if (menu == ChoiceMenu::None || answer.figured)
        return answer;
    QString shown = QString::fromStdString(answer.text);
    const QString named = QString::fromStdString(question.category + " " + question.name);
    if (shown.startsWith(named)) {
        const auto [type, name] = w.m_answerChoices->shownAnswer(menu, question.category, question.name);
        shown.replace(0, named.size(), type + QLatin1Char(' ') + name);
    }
    if (const QString key = QString::fromStdString(question.keyText); !key.isEmpty())
        shown.replace(key, shownKeyLine(key));
    if (const QString inversion = QString::fromStdString(question.invLabel);
        !inversion.isEmpty() && shown.endsWith(QLatin1Char(' ') + inversion)) {
        shown.chop(inversion.size());
        shown += shownInversion(question.invLabel);
    }
    answer.text = shown.toStdString();
    return answer;
}

void MainWindow::CycleAdapter::showChoices() {
    w.m_showChoices->click();
}

void MainWindow::CycleAdapter::prepareAnswerEntry() {
    w.m_staffPanel->setEntryEnabled(true);
}

void MainWindow::CycleAdapter::hideInversionList() {
    w.m_inversion->clear();
    w.m_inversion->hide();
    w.m_inversionLabel->clear();
    w.m_cycle->answer().answer3.clear();
}

void MainWindow::CycleAdapter::displayinvmnu(const Question& question, InversionOption notation,
                                             const std::optional<std::string>& recorded) {
    QComboBox* list = w.m_inversion;
    list->clear();
    for (const std::string& label : inversionMenuLabels(question.noteCount(), notation))
        list->addItem(shownInversion(label), QString::fromStdString(label));
    const QString chosen = recorded ? QString::fromStdString(*recorded) : text(kNoInversionChosen);
    list->setCurrentIndex(std::max(0, list->findData(chosen)));
    const bool shown = w.m_state.current->usesInversionList(question, notation);
    list->setVisible(shown);
    w.m_inversionLabel->setVisible(shown);
}

void MainWindow::CycleAdapter::changeclef() {
    if (w.m_state.reviewing)
        w.m_staffPanel->showReviewClef(w.m_state.questionNumber);
    else
        w.m_staffPanel->changeClef(w.m_settings.clef, w.m_platform.random, w.m_state.questionNumber);
}

void MainWindow::CycleAdapter::clearstaff() {
    w.m_staffPanel->clearQuestion();
}

void MainWindow::CycleAdapter::setNoteLimit(int notes) {
    w.m_staffPanel->setNoteLimit(notes);
}

void MainWindow::CycleAdapter::enterNotes(const std::vector<WrittenNote>& notes) {
    for (const WrittenNote& note : notes)
        w.m_staffPanel->enterNote(note.position, note.code);
}

std::vector<WrittenNote> MainWindow::CycleAdapter::staffNotes() const {
    std::vector<WrittenNote> notes;
    for (const StaffNote& note : w.m_staffPanel->enteredNotes())
        if (note.position >= kLowestPosition && note.position <= kHighestPosition)
            notes.push_back({note.position, note.code});
    return notes;
}

void MainWindow::CycleAdapter::showkeysig(const Question& question, bool show) {
    w.m_staffPanel->setKeySignature(question.sigKind, question.sigCount);
    w.m_staffPanel->showKeySignature(show);
    if (!show)
        w.m_staffPanel->setKeyAccidentals(std::nullopt);
}

void MainWindow::CycleAdapter::showKeyIndication(const Question& question, const CurrentKey&) {
    const KeySigDisplay& display = w.m_settings.keySigDisplay;
    const bool symbolic = display.symbolic || display.both;
    const bool written = display.written || display.both;
    if (!written)
        w.m_question2->clear();
    showkeysig(question, symbolic);
    // The notes' signs follow the signature as drawn, which is blank for a key the
    // question gives no signature (intervals on any note).
    if (symbolic)
        w.m_staffPanel->setKeyAccidentals(signatureAlterations(question.sigKind, question.sigCount));
}

void MainWindow::CycleAdapter::playanswer(const std::vector<WrittenNote>& notes) {
    if (!w.m_model->tonesOn())
        return;
    const ToneClef clef = w.m_staffPanel->clef() == Clef::Bass ? ToneClef::Bass : ToneClef::Treble;
    QStringList files;
    for (const WrittenNote& note : notes)
        if (const auto file = playnotesFileName(note.code, note.position, clef))
            files << QString::fromStdString(*file);
    if (!files.isEmpty())
        w.m_platform.tones.play(files);
}

void MainWindow::CycleAdapter::playHeard(const HeardInKey& heard, HeardParts parts, int tempo) {
    if (!w.m_model->tonesOn())
        return;
    const InKeyPhrases phrases(tempo);
    TonePlayer& tones = w.m_platform.tones;
    // A replay or the next question never waits for the end of what sounds now.
    tones.silence();
    if (parts.cadence && parts.question)
        tones.playPhrase(phrases.cadenceThenQuestion(heard));
    else if (parts.cadence)
        tones.playPhrase(phrases.cadence(heard));
    else if (parts.question)
        tones.playPhrase(phrases.question(heard));
    if (parts.resolution)
        tones.playPhrase(phrases.resolution(heard));
}

void MainWindow::CycleAdapter::offerNames(const Question& question) {
    w.offerNames(question);
}

void MainWindow::CycleAdapter::beepn(int count) {
    w.beepn(count);
}

void MainWindow::CycleAdapter::showStatus(const StatusValues& values) {
    w.setStatus(StatusPanel::TimePerQuestion, values.timePerQuestion);
    w.setStatus(StatusPanel::Successes, values.successes);
    w.setStatus(StatusPanel::SuccessRate, values.successRate);
    if (values.score)
        w.setStatus(StatusPanel::Score, *values.score);
}

void MainWindow::CycleAdapter::stopElapsedTime() {
    w.m_elapsedTimer->stop();
}

void MainWindow::CycleAdapter::showReviewControls() {
    w.m_earTraining->showDisplayButton()->show();
    w.m_earTraining->showDisplayButton()->setEnabled(true);
}

void MainWindow::CycleAdapter::enableReset() {
    w.m_menus->quitTest->setEnabled(true);
}

void MainWindow::CycleAdapter::endrun() {
    w.returnToIdle();
    // The cycle writes the run's records after this returns, and the history then marks the
    // answers they count; the class server keeps what it is sent, so it is sent them marked.
    QTimer::singleShot(0, w.m_classServer, [&window = w] {
        window.m_history->writer().afterQueued(window.m_classServer,
                                               [link = window.m_classServer] { link->runEnded(); });
    });
}

void MainWindow::CycleAdapter::applyactivity() {
    w.applyactivity();
}

QString MainWindow::CycleAdapter::userId() const {
    return w.m_userId;
}

} // namespace tonalyst
