#pragma once

#include "app/Platform.h"
#include "theory/QuestionSettings.h"

#include <QObject>

#include <functional>

class QWidget;

namespace tonalyst {

class CadenceOptionsDialog;
class ChordFunctionOptionsDialog;
class ChordSettingsDialog;
class ClefDialog;
class EarTrainingChordDialog;
class IntervalOptionsDialog;
class InversionDialog;
class KeySettingsDialog;
class KeySigDisplayDialog;
class ProgressionOptionsDialog;
class ScaleDegreeOptionsDialog;
class TestLengthDialog;

enum class KeySigDisplayChoice { Written = 0, Symbolic = 1, Both = 2 };

// The option dialogs, each made when it is first needed and then kept, hidden, for the
// whole run of the program so its buttons keep their state between showings. The
// settings start as the dialogs' defaults confirmed, so nothing waits for a dialog to
// be made; making them all up front would hold up the start.
class OptionDialogs final : public QObject {
    Q_OBJECT

public:
    OptionDialogs(QuestionSettings& settings, Platform& platform, QWidget* parent,
                  std::function<bool()> earTrainingActive);
    ~OptionDialogs() override;

    void execKeySettings();
    void execChordSettings();
    void execInversion();
    void execIntervalOption();
    void execEarTrainingChords();
    void execClef();
    void execKeySigDisplay();
    void execTestLength();
    // The activities heard in a key, each its own dialog.
    void execScaleDegreeOptions();
    void execChordFunctionOptions();
    void execProgressionOptions();
    void execCadenceOptions();

    // Activity changes select options in code.
    void selectKeySigDisplay(KeySigDisplayChoice choice);
    void pressKeySigDisplayOk();
    void selectCommonIntervals();

signals:
    void inversionsChanged(bool on);
    void clefChosen(tonalyst::ClefChoice clef);
    void helpRequested();

private:
    KeySettingsDialog* keys();
    ChordSettingsDialog* chords();
    KeySigDisplayDialog* keySigDisplay();
    TestLengthDialog* testLength();
    ClefDialog* clef();
    InversionDialog* inversion();
    IntervalOptionsDialog* interval();
    EarTrainingChordDialog* earTrainingChords();

    QuestionSettings& m_settings;
    Platform& m_platform;
    QWidget* m_parent;
    std::function<bool()> m_earTrainingActive;
    KeySettingsDialog* m_keys = nullptr;
    ChordSettingsDialog* m_chords = nullptr;
    KeySigDisplayDialog* m_keySigDisplay = nullptr;
    TestLengthDialog* m_testLength = nullptr;
    ClefDialog* m_clef = nullptr;
    InversionDialog* m_inversion = nullptr;
    IntervalOptionsDialog* m_interval = nullptr;
    EarTrainingChordDialog* m_earTrainingChords = nullptr;
    ScaleDegreeOptionsDialog* m_scaleDegrees = nullptr;
    ChordFunctionOptionsDialog* m_chordFunctions = nullptr;
    ProgressionOptionsDialog* m_progressions = nullptr;
    CadenceOptionsDialog* m_cadences = nullptr;
};

} // namespace tonalyst
