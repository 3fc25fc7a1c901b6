#include "app/OptionDialogs.h"

#include "options/CadenceOptionsDialog.h"
#include "options/ChordFunctionOptionsDialog.h"
#include "options/ChordSettingsDialog.h"
#include "options/ClefDialog.h"
#include "options/EarTrainingChordDialog.h"
#include "options/IntervalOptionsDialog.h"
#include "options/InversionDialog.h"
#include "options/KeySettingsDialog.h"
#include "options/KeySigDisplayDialog.h"
#include "options/ProgressionOptionsDialog.h"
#include "options/ScaleDegreeOptionsDialog.h"
#include "options/TestLengthDialog.h"

namespace tonalyst {

namespace {

// Made on first use and kept, as every option dialog is.
template <typename Dialog, typename Options>
void execKept(Dialog*& dialog, Options& options, QWidget* parent) {
    if (!dialog)
        dialog = new Dialog(options, parent);
    dialog->exec();
}

} // namespace

OptionDialogs::OptionDialogs(QuestionSettings& settings, Platform& platform, QWidget* parent,
                             std::function<bool()> earTrainingActive)
    : QObject(parent), m_settings(settings), m_platform(platform), m_parent(parent),
      m_earTrainingActive(std::move(earTrainingActive)) {}

OptionDialogs::~OptionDialogs() = default;

void OptionDialogs::execKeySettings() {
    keys()->exec();
}

void OptionDialogs::execChordSettings() {
    chords()->exec();
}

void OptionDialogs::execInversion() {
    inversion()->exec();
}

void OptionDialogs::execIntervalOption() {
    interval()->exec();
}

void OptionDialogs::execEarTrainingChords() {
    earTrainingChords()->exec();
}

void OptionDialogs::execScaleDegreeOptions() {
    execKept(m_scaleDegrees, m_settings.inKey.degrees, m_parent);
}

void OptionDialogs::execChordFunctionOptions() {
    execKept(m_chordFunctions, m_settings.inKey.functions, m_parent);
}

void OptionDialogs::execProgressionOptions() {
    execKept(m_progressions, m_settings.inKey.progressions, m_parent);
}

void OptionDialogs::execCadenceOptions() {
    execKept(m_cadences, m_settings.inKey.cadences, m_parent);
}

void OptionDialogs::execClef() {
    clef()->exec();
}

void OptionDialogs::execKeySigDisplay() {
    keySigDisplay()->exec();
}

void OptionDialogs::execTestLength() {
    testLength()->exec();
}

void OptionDialogs::selectKeySigDisplay(KeySigDisplayChoice choice) {
    keySigDisplay()->selectOption(static_cast<int>(choice));
}

void OptionDialogs::pressKeySigDisplayOk() {
    keySigDisplay()->pressOk();
}

void OptionDialogs::selectCommonIntervals() {
    interval()->selectCommonIntervals();
}

KeySettingsDialog* OptionDialogs::keys() {
    if (!m_keys)
        m_keys = new KeySettingsDialog(m_settings, m_platform.prompter, m_platform.beeper, m_parent);
    return m_keys;
}

ChordSettingsDialog* OptionDialogs::chords() {
    if (!m_chords)
        m_chords = new ChordSettingsDialog(m_settings, m_platform.prompter, m_platform.beeper, m_parent);
    return m_chords;
}

KeySigDisplayDialog* OptionDialogs::keySigDisplay() {
    if (!m_keySigDisplay)
        m_keySigDisplay = new KeySigDisplayDialog(m_settings, m_parent);
    return m_keySigDisplay;
}

TestLengthDialog* OptionDialogs::testLength() {
    if (!m_testLength)
        m_testLength = new TestLengthDialog(m_settings, m_parent);
    return m_testLength;
}

ClefDialog* OptionDialogs::clef() {
    if (!m_clef) {
        m_clef = new ClefDialog(m_settings, m_parent);
        connect(m_clef, &ClefDialog::clefChosen, this, &OptionDialogs::clefChosen);
    }
    return m_clef;
}

InversionDialog* OptionDialogs::inversion() {
    if (!m_inversion) {
        m_inversion = new InversionDialog(m_settings, m_parent);
        connect(m_inversion, &InversionDialog::inversionsChosen, this, &OptionDialogs::inversionsChanged);
    }
    return m_inversion;
}

IntervalOptionsDialog* OptionDialogs::interval() {
    if (!m_interval) {
        m_interval = new IntervalOptionsDialog(m_settings, m_platform.prompter, m_earTrainingActive, m_parent);
        connect(m_interval, &IntervalOptionsDialog::helpRequested, this, &OptionDialogs::helpRequested);
    }
    return m_interval;
}

EarTrainingChordDialog* OptionDialogs::earTrainingChords() {
    if (!m_earTrainingChords)
        m_earTrainingChords = new EarTrainingChordDialog(m_settings, m_parent);
    return m_earTrainingChords;
}

} // namespace tonalyst
