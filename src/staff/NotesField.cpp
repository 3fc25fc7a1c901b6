#include "staff/NotesField.h"

#include "platform/ControlNames.h"
#include "theory/NoteNames.h"

#include <QAccessible>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>

namespace tonalyst {

namespace {

bool isEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A line edit that keeps Enter to itself: it is neither a window shortcut nor passed on to
// the window's default button.
class EnterKeepingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && isEnter(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return QLineEdit::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        if (isEnter(event))
            event->accept();
    }
};

} // namespace

NotesField::NotesField(QWidget* parent)
    : QWidget(parent), m_edit(new EnterKeepingEdit(this)), m_message(new QLabel(this)) {
    nameControl(this, "fraNotes");
    auto* caption = new QLabel(tr("&Notes"), this);
    nameControl(caption, "lblNotes");
    caption->setBuddy(m_edit);
    nameControl(m_edit, "txtNotes");
    m_edit->setAccessibleName(tr("Notes"));
    m_edit->setAccessibleDescription(
        tr("Note names separated by blanks, such as Eb G Bb or F#4 A#4 C#5; Enter puts them on "
           "the staff, Enter on an empty field submits the answer"));
    m_edit->setClearButtonEnabled(false);
    nameControl(m_message, "lblNotesMessage");
    m_message->setAccessibleDescription(tr("Notes not entered"));
    m_message->setWordWrap(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(m_edit);
    layout->addWidget(m_message, 1);
    connect(m_edit, &QLineEdit::returnPressed, this, &NotesField::onReturn);
    showNaming();
}

void NotesField::showNaming() {
    QString example = QStringLiteral("Eb G Bb");
    if (noteNaming() != NoteNaming::English) {
        QStringList names;
        for (const Pitch& note : {Pitch{2, -1}, Pitch{4, 0}, Pitch{6, -1}})
            names << QString::fromStdString(shownNoteName(note));
        // As it is typed: Mib for Mi♭.
        example = names.join(QLatin1Char(' ')).replace(QStringLiteral("♭"), QStringLiteral("b"));
    }
    m_edit->setPlaceholderText(tr("e.g. %1").arg(example));
}

void NotesField::onReturn() {
    const QString text = m_edit->text().trimmed();
    if (text.isEmpty()) {
        emit submitRequested();
        return;
    }
    emit notesTyped(text);
}

QSize NotesField::sizeHint() const {
    QSize size = QWidget::sizeHint();
    const int reserved = 2 * m_message->fontMetrics().lineSpacing();
    const int needed = m_message->width() > 0 ? m_message->heightForWidth(m_message->width()) : 0;
    // The message's own size hint guesses its width; what counts is the width it has.
    size.setHeight(std::max({m_edit->sizeHint().height(), reserved, needed}));
    return size;
}

QSize NotesField::minimumSizeHint() const {
    return {QWidget::minimumSizeHint().width(), sizeHint().height()};
}

void NotesField::showOutcome(const QString& unentered, const QString& message) {
    m_edit->setText(unentered);
    if (m_message->text() == message)
        return;
    m_message->setText(message);
    // The message is read out as it changes, wherever the focus is.
    QAccessibleEvent changed(m_message, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace tonalyst
