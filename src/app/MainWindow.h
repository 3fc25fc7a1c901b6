#pragma once

#include "app/Platform.h"
#include "cycle/RunState.h"
#include "records/PerformanceDataFile.h"
#include "staff/StaffTypes.h"
#include "theory/IntervalGenerator.h"
#include "theory/QuestionSettings.h"

#include <QElapsedTimer>
#include <QFont>
#include <QHash>
#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QGridLayout;
class QKeySequence;
class QLabel;
class QPushButton;
class QTimer;

namespace tonalyst {

class AnswerChoices;
class MidiInput;
class MidiLink;
class ClassServerLink;
class AnswerHistory;
class EarTrainingWindow;
class QuestionCycle;
class RunModel;
class OptionDialogs;
class ShellDialogs;
class StaffPanel;
class StatusPanel;
struct MainMenus;

// The main window: menus, the staff area, the answer labels, the four action buttons and
// the status panel. It owns the run state and conducts everything else.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    const RunState& state() const { return m_state; }
    const QuestionSettings& settings() const { return m_settings; }
    void setUserId(const QString& userId);
    ClassServerLink* classServer() const { return m_classServer; }
    QSize sizeHint() const override;
    QString userId() const { return m_userId; }
    EarTrainingWindow* earTrainingWindow() const { return m_earTraining; }
    StaffPanel* staffPanel() const { return m_staffPanel; }
    const QuestionCycle& cycle() const { return *m_cycle; }
    const RunModel& runModel() const { return *m_model; }
    // Answers may be played on a MIDI keyboard read from this input; without one the
    // window works as it always has.
    void attachMidi(std::unique_ptr<MidiInput> input);
    MidiLink* midi() const { return m_midi; }

    // The handlers of the menus, buttons and timers.
    void chooseActivity(int index);
    void choosePractice();
    void chooseTest();
    void start();
    void submit();
    void clear();
    void showChoices();
    void hideDisplay();
    void tickElapsed();
    void checkIdle();
    void toggleTones();
    void toggleBeep();
    void toggleStatusBar();
    void reset();
    void quit();
    void openHelp(int item);
    void openReport();
    void openProgress();
    void respell();

    // Shared operations other parts of the program call.
    void applyactivity();
    void endrun();
    void enablecontrols(bool flag);
    void beepn(int count);
    void repeatbutton(bool setup);
    void intervaleartrainsetup(bool show);
    void disablekeysigdisplay();

signals:
    // The program is to end now: Quit, the window closed, or the idle limit passed.
    void terminated();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class CycleAdapter;
    class Desk;

    void buildCentralArea();
    void addButtonKey(QPushButton* button, const QKeySequence& key, const QString& tip);
    void returnToIdle();
    void answerChosen(const QString& part1, const QString& part2);
    void inversionChosen(int index);
    void showAnswerParts();
    void markCorrectedAnswer();
    void refuseSubmit(const QString& message, Prompter::Icon icon, bool showMenu);
    void popUpAnswerMenu();
    void offerNames(const Question& question);
    void addName(const QString& name);
    void typeName(const QString& typed);
    void pressNumber(int digit);
    void removeLastName();
    void showEnteredNames();
    void connectNamePad();
    void connectMenus();
    void connectEarTrainingWindow();
    void toggledecision();
    void switchTonesOnIfOff();
    void showEarTrainingWindow();
    void showMainWindow();
    void setAnswerWasVisible(bool visible);
    void setActivityMenusEnabled(bool enabled);
    void setStatus(int value, const QString& text);
    void soundNote(int code, int position);
    void applyChosenClef(ClefChoice clef);
    void terminate();
    void applyWeakSpots();
    void showNaming();
    void fitToScreen();
    void matchMenuBarBackground();
    void scaleTexts(qreal factor);
    void midiNoteOn(int key);
    void midiNoteOff(int key);
    void midiControl(int number, int value);
    void enterPlayedKey(int key);
    void answerPlayed();
    void namePlayed();
    void showHeldKeys();

    Platform& m_platform;
    RunState m_state;
    QuestionSettings m_settings;
    QString m_userId;
    bool m_terminated = false;
    PerformanceDataFile m_records;
    IntervalGenerator m_intervals;
    std::unique_ptr<AnswerHistory> m_history;
    std::unique_ptr<CycleAdapter> m_cycleView;
    std::unique_ptr<QuestionCycle> m_cycle;
    std::unique_ptr<Desk> m_desk;

    RunModel* m_model;
    MainMenus* m_menus;
    AnswerChoices* m_answerChoices;
    std::unique_ptr<OptionDialogs> m_options;
    std::unique_ptr<ShellDialogs> m_shell;
    ClassServerLink* m_classServer = nullptr;
    EarTrainingWindow* m_earTraining;
    StatusPanel* m_status;
    StaffPanel* m_staffPanel;
    QList<QWidget*> m_controls; // every control enablecontrols governs

    QPushButton* m_start;
    QPushButton* m_showChoices;
    QPushButton* m_clear;
    QPushButton* m_submit;
    QPushButton* m_hideDisplay;
    QComboBox* m_inversion;
    QLabel* m_question1;
    QLabel* m_question2;
    QLabel* m_questionNumber;
    QLabel* m_chordType;
    QLabel* m_chordName;
    QLabel* m_inversionLabel;
    QLabel* m_answerMessage;
    QLabel* m_answerWas;
    QTimer* m_elapsedTimer;
    QTimer* m_idleTimer;

    // A MIDI keyboard: the keys down now; the staff positions of the notes struck within a
    // moment of the first, which enter as one chord, and when it began; the keys struck since
    // the answer was last read; the note J respells; each controller's last value.
    MidiLink* m_midi = nullptr;
    std::vector<int> m_heldKeys;
    struct PlayedNote {
        int key;
        Pitch pitch;
        StaffNote written;
        bool entered;
    };
    std::vector<PlayedNote> m_chord;
    int m_chordSteps = 0; // how many letters the chord was moved to stand on the staff
    QElapsedTimer m_chordStart;
    std::vector<int> m_playedKeys;
    int m_lastPlayedPosition = 0;
    std::array<int, 128> m_controllerValues{};

    // The question, the answer and the feedback grow with the window beyond its natural
    // size, from their fonts at that size.
    QGridLayout* m_answerGrid = nullptr;
    int m_answerTypeWidth = 0;
    QHash<QLabel*, QFont> m_baseFonts;
    qreal m_textScale = 1.0;
    QSize m_naturalSize;
    QRect m_fittedScreen;
    QMargins m_fittedFrame;
};

} // namespace tonalyst
