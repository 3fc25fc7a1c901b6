#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace tonalyst {

// The "Notes" field under the staff: note names typed and entered with Enter, and beside
// it the message that says which names were refused and why. Enter on an empty field asks
// for the answer to be submitted. The field takes its own Enter, so a window-wide Enter
// never sees the names.
class NotesField : public QWidget {
    Q_OBJECT

public:
    explicit NotesField(QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QLabel* message() const { return m_message; }
    // Leaves the names that were not entered in the field, and says why beside it.
    void showOutcome(const QString& unentered, const QString& message);
    // The example in the empty field names notes as the student does.
    void showNaming();

    // As high with a message as without one: two lines of it are always reserved, so
    // that a message coming and going moves nothing; only a longer one takes more.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void notesTyped(const QString& text);
    void submitRequested();

private:
    void onReturn();

    QLineEdit* m_edit;
    QLabel* m_message;
};

} // namespace tonalyst
