#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace tonalyst {

class NamePad;
class RunModel;
class StatusPanel;

// The compact window that takes the main window's place during ear training. Its
// buttons act on the main window, which connects to the signals.
class EarTrainingWindow final : public QWidget {
    Q_OBJECT

public:
    explicit EarTrainingWindow(QWidget* parent = nullptr);

    // Shows the run model's status and question number from now on.
    void follow(const RunModel& model);

    StatusPanel* status() const { return m_status; }
    QLabel* questionNumberLabel() const { return m_questionNumber; }
    QLabel* chordTypeLabel() const { return m_chordType; }
    QLabel* chordNameLabel() const { return m_chordName; }
    QLabel* answerWasLabel() const { return m_answerWas; }
    QPushButton* showDisplayButton() const { return m_showDisplay; }
    QPushButton* submitButton() const { return m_submit; }
    QPushButton* showChoicesButton() const { return m_showChoices; }
    NamePad* namePad() const { return m_pad; }

    // The activities heard in a key answer on the name pad instead of from a menu.
    void setNamePadShown(bool shown);

signals:
    void resetRequested();
    void optionsRequested();
    void showChoicesRequested();
    void showDisplayRequested();
    void submitRequested();
    void repeatRequested();
    // Number key 1 to 7 while the name pad is shown.
    void numberPressed(int digit);
    // Closing the window by its frame ends the program, as for the main window.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    StatusPanel* m_status;
    QLabel* m_questionNumber;
    QLabel* m_chordType;
    QLabel* m_chordName;
    QLabel* m_answerWas;
    QPushButton* m_showDisplay;
    QPushButton* m_submit;
    QPushButton* m_showChoices;
    NamePad* m_pad;
};

} // namespace tonalyst
