#include "app/DefaultButton.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tonalyst {

namespace {

// Fields pass Enter on once they have acted on it, as a dialog expects; a window whose
// fields act on Enter themselves must not act on it a second time.
bool takesEnter(const QWidget* focus) {
    if (!focus)
        return false;
    if (qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus))
        return true;
    const auto* combo = qobject_cast<const QComboBox*>(focus);
    return combo && combo->isEditable();
}

} // namespace

DefaultButton::DefaultButton(QWidget* window, QPushButton* button)
    : QObject(window), m_window(window), m_button(button) {
    // Key events a control leaves alone travel up to its window, where this looks at them.
    window->installEventFilter(this);
}

bool DefaultButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier || takesEnter(m_window->focusWidget()))
        return false;
    if (!m_button->isVisible() || !m_button->isEnabled())
        return false;
    m_button->click();
    return true;
}

} // namespace tonalyst
