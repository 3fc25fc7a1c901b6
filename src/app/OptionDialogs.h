#pragma once

#include "app/Platform.h"
#include "theory/QuestionSettings.h"

#include <QObject>

#include <functional>

class QWidget;

namespace tonalyst {

class ChordSettingsDialog;
class ClefDialog;
class EarTrainingChordDialog;
class IntervalOptionsDialog;
class InversionDialog;
class KeySettingsDialog;
class KeySigDisplayDialog;
class TestLengthDialog;

enum class KeySigDisplayChoice { Written = 0, Symbolic = 1, Both = 2 };

// The option dialogs, made once and kept, hidden, for the whole run of the program so
// their buttons keep their state between showings. Made with their defaults confirmed.
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

    // Activity changes select options in code.
    void selectKeySigDisplay(KeySigDisplayChoice choice);
    void pressKeySigDisplayOk();
    void selectCommonIntervals();

signals:
    void inversionsChanged(bool on);
    void clefChosen(tonalyst::ClefChoice clef);
    void helpRequested();

private:
    KeySettingsDialog* m_keys;
    ChordSettingsDialog* m_chords;
    KeySigDisplayDialog* m_keySigDisplay;
    TestLengthDialog* m_testLength;
    ClefDialog* m_clef;
    InversionDialog* m_inversion;
    IntervalOptionsDialog* m_interval;
    EarTrainingChordDialog* m_earTrainingChords;
};

} // namespace tonalyst
