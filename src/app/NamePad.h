#pragma once

#include <QStringList>
#include <QWidget>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tonalyst {

// The answer pad of the activities heard in a key: a button per name, the names entered
// so far, a field to type a name in, and Replay Cadence. It tells what the student did;
// the main window decides what that means for the answer.
class NamePad final : public QWidget {
    Q_OBJECT

public:
    explicit NamePad(QWidget* parent = nullptr);

    // The names offered: canonical (what a press hands on) and as shown. The buttons stay
    // when the names do, so the focus stays on the one pressed last.
    void offer(const QStringList& names, const QStringList& shown, const QStringList& spoken);
    // The key's name as the student reads it: "D major", "fis-Moll".
    void showKey(const QString& keyName);
    void showEntered(const QString& entered);
    // Under the typed field: why a name was not taken, or nothing.
    void showMessage(const QString& message);
    void clearTyped();

    QPushButton* button(const QString& name) const;
    QLineEdit* typedField() const { return m_typed; }
    QLabel* enteredLabel() const { return m_entered; }
    QPushButton* replayCadenceButton() const { return m_replayCadence; }

signals:
    void nameChosen(const QString& name);
    void nameTyped(const QString& text);
    void lastNameRemoved();
    // Enter on the empty field: the answer is handed in.
    void submitRequested();
    void replayCadenceRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList m_names;
    QList<QPushButton*> m_buttons;
    QGridLayout* m_grid;
    QLabel* m_key;
    QLabel* m_entered;
    QLineEdit* m_typed;
    QLabel* m_message;
    QPushButton* m_replayCadence;
};

} // namespace tonalyst
