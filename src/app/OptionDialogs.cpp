#include "app/OptionDialogs.h"

#include "options/ChordSettingsDialog.h"
#include "options/ClefDialog.h"
#include "options/EarTrainingChordDialog.h"
#include "options/IntervalOptionsDialog.h"
#include "options/InversionDialog.h"
#include "options/KeySettingsDialog.h"
#include "options/KeySigDisplayDialog.h"
#include "options/TestLengthDialog.h"

namespace tonalyst {

OptionDialogs::OptionDialogs(QuestionSettings& settings, Platform& platform, QWidget* parent,
                             std::function<bool()> earTrainingActive)
    : QObject(parent),
      m_keys(new KeySettingsDialog(settings, platform.prompter, platform.beeper, parent)),
      m_chords(new ChordSettingsDialog(settings, platform.prompter, platform.beeper, parent)),
      m_keySigDisplay(new KeySigDisplayDialog(settings, parent)),
      m_testLength(new TestLengthDialog(settings, parent)), m_clef(new ClefDialog(settings, parent)),
      m_inversion(new InversionDialog(settings, parent)),
      m_interval(new IntervalOptionsDialog(settings, platform.prompter, std::move(earTrainingActive), parent)),
      m_earTrainingChords(new EarTrainingChordDialog(settings, parent)) {
    m_keys->pressOk();
    m_chords->pressOk();
    m_keySigDisplay->pressOk();

    connect(m_inversion, &InversionDialog::inversionsChosen, this, &OptionDialogs::inversionsChanged);
    connect(m_clef, &ClefDialog::clefChosen, this, &OptionDialogs::clefChosen);
    connect(m_interval, &IntervalOptionsDialog::helpRequested, this, &OptionDialogs::helpRequested);
}

OptionDialogs::~OptionDialogs() = default;

void OptionDialogs::execKeySettings() {
    m_keys->exec();
}

void OptionDialogs::execChordSettings() {
    m_chords->exec();
}

void OptionDialogs::execInversion() {
    m_inversion->exec();
}

void OptionDialogs::execIntervalOption() {
    m_interval->exec();
}

void OptionDialogs::execEarTrainingChords() {
    m_earTrainingChords->exec();
}

void OptionDialogs::execClef() {
    m_clef->exec();
}

void OptionDialogs::execKeySigDisplay() {
    m_keySigDisplay->exec();
}

void OptionDialogs::execTestLength() {
    m_testLength->exec();
}

void OptionDialogs::selectKeySigDisplay(KeySigDisplayChoice choice) {
    m_keySigDisplay->selectOption(static_cast<int>(choice));
}

void OptionDialogs::pressKeySigDisplayOk() {
    m_keySigDisplay->pressOk();
}

void OptionDialogs::selectCommonIntervals() {
    m_interval->selectCommonIntervals();
}

} // namespace tonalyst
