// The name pad of the activities heard in a key: the names offered for the question under
// way, and the answer they build, name by name.
#include "app/EarTrainingWindow.h"
#include "app/MainWindow.h"
#include "app/NamePad.h"
#include "cycle/QuestionCycle.h"
#include "tonality/Tonality.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tonalyst {

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// "♭6" read out as "flat 6", "vii°7" as "vii diminished 7", "V7/V" as "V7 of V".
QString spokenName(QString name) {
    name.replace(QStringLiteral("♭"), MainWindow::tr("flat") + QLatin1Char(' '));
    name.replace(QStringLiteral("♯"), MainWindow::tr("sharp") + QLatin1Char(' '));
    name.replace(QStringLiteral("♮"), MainWindow::tr("natural") + QLatin1Char(' '));
    name.replace(QStringLiteral("°"), QLatin1Char(' ') + MainWindow::tr("diminished") + QLatin1Char(' '));
    name.replace(QStringLiteral("ø"),
                 QLatin1Char(' ') + MainWindow::tr("half-diminished") + QLatin1Char(' '));
    name.replace(QStringLiteral("/"), QLatin1Char(' ') + MainWindow::tr("of") + QLatin1Char(' '));
    return name.simplified();
}

} // namespace

void MainWindow::offerNames(const Question& question) {
    const Activity& activity = *m_state.current;
    QStringList names;
    QStringList shown;
    QStringList spoken;
    for (const std::string& name : activity.padNames(question, m_settings)) {
        names << text(name);
        shown << text(activity.shownName(name, question, m_settings));
        spoken << spokenName(shown.back());
    }
    NamePad* pad = m_earTraining->namePad();
    pad->offer(names, shown, spoken);
    if (question.heard)
        pad->showKey(text(shownKeyLabel(question.heard->key)));
    pad->showMessage(QString());
    pad->clearTyped();
    showEnteredNames();
}

void MainWindow::addName(const QString& name) {
    const QuestionSlot* slot = m_cycle->currentSlot();
    if (!slot || !slot->question.heard)
        return;
    std::vector<std::string>& sequence = m_cycle->answer().sequence;
    const int wanted = Activity::namesWanted(slot->question);
    NamePad* pad = m_earTraining->namePad();
    if (static_cast<int>(sequence.size()) >= wanted) {
        m_platform.beeper.beep();
        pad->showMessage(tr("All %n name(s) are in: Backspace takes the last one back.", "", wanted));
        return;
    }
    sequence.push_back(name.toStdString());
    m_cycle->setNamePlayed(sequence.size() - 1, QString());
    pad->showMessage(QString());
    showEnteredNames();
    markCorrectedAnswer();
}

void MainWindow::typeName(const QString& typed) {
    const QuestionSlot* slot = m_cycle->currentSlot();
    if (!slot || !slot->question.heard)
        return;
    NamePad* pad = m_earTraining->namePad();
    const std::optional<std::string> name =
        m_state.current->readName(typed.trimmed().toStdString(), slot->question, m_settings);
    if (!name || !pad->button(text(*name))) {
        m_platform.beeper.beep();
        pad->showMessage(tr("\"%1\" is not one of the names offered.").arg(typed.trimmed()));
        return;
    }
    pad->clearTyped();
    addName(text(*name));
}

void MainWindow::pressNumber(int digit) {
    const QuestionSlot* slot = m_cycle->currentSlot();
    if (!slot || !slot->question.heard)
        return;
    const std::optional<std::string> name = m_state.current->numberKeyName(digit, slot->question, m_settings);
    QPushButton* button = name ? m_earTraining->namePad()->button(text(*name)) : nullptr;
    if (button)
        button->animateClick();
    else
        m_platform.beeper.beep();
}

void MainWindow::removeLastName() {
    std::vector<std::string>& sequence = m_cycle->answer().sequence;
    if (!m_cycle->currentSlot() || sequence.empty())
        return;
    sequence.pop_back();
    m_earTraining->namePad()->showMessage(QString());
    showEnteredNames();
    markCorrectedAnswer();
}

// "I, IV  (2 of 4)": the names as shown, and how many the question wants.
void MainWindow::showEnteredNames() {
    const QuestionSlot* slot = m_cycle->currentSlot();
    if (!slot || !slot->question.heard)
        return;
    const Activity& activity = *m_state.current;
    QStringList shown;
    for (const std::string& name : m_cycle->answer().sequence)
        shown << text(activity.shownName(name, slot->question, m_settings));
    const int wanted = Activity::namesWanted(slot->question);
    m_earTraining->namePad()->showEntered(
        wanted > 1 ? tr("%1  (%2 of %3)").arg(shown.join(QStringLiteral(", "))).arg(shown.size()).arg(wanted)
                   : shown.join(QStringLiteral(", ")));
}

void MainWindow::connectNamePad() {
    NamePad* pad = m_earTraining->namePad();
    connect(pad, &NamePad::nameChosen, this, &MainWindow::addName);
    connect(pad, &NamePad::nameTyped, this, &MainWindow::typeName);
    connect(pad, &NamePad::lastNameRemoved, this, &MainWindow::removeLastName);
    connect(pad, &NamePad::replayCadenceRequested, this, [this] { m_cycle->playCadence(); });
    connect(m_earTraining, &EarTrainingWindow::numberPressed, this, &MainWindow::pressNumber);
}

} // namespace tonalyst
