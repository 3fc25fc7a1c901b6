#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace tonalyst {

class Prompter;

// Asks who is practising, once per run. Accepted means a valid ID is stored; rejected
// (Cancel, Esc or the window's close box) means the student wants to leave, and the
// program ends without writing anything.
class UserIdDialog final : public QDialog {
    Q_OBJECT

public:
    explicit UserIdDialog(Prompter& prompter, QWidget* parent = nullptr);

    // Trimmed and in upper case; empty until OK has accepted an ID.
    QString userId() const { return m_userId; }

public slots:
    // The OK button: stores a valid ID and closes, or refuses and keeps the dialog open.
    void pressOk();

protected:
    bool event(QEvent* event) override;

private:
    void selectForTyping();

    Prompter& m_prompter;
    QLineEdit* m_text = nullptr;
    QString m_userId;
};

} // namespace tonalyst
