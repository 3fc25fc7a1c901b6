#include "options/DialogButtons.h"

#include "platform/ControlNames.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace tonalyst {

namespace {

class ActivationFocus : public QObject {
public:
    ActivationFocus(QWidget* window, QWidget* target) : QObject(window), m_target(target) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate)
            m_target->setFocus(Qt::ActiveWindowFocusReason);
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_target;
};

class OpeningFocus : public QObject {
public:
    explicit OpeningFocus(QWidget* dialog) : QObject(dialog), m_dialog(dialog) {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_dialog && event->type() == QEvent::Show)
            if (QWidget* target = focusTarget())
                target->setFocus(Qt::ActiveWindowFocusReason);
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* focusTarget() const {
        for (QRadioButton* option : m_dialog->findChildren<QRadioButton*>())
            if (option->isChecked() && option->isEnabled() && option->isVisibleTo(m_dialog))
                return option;
        for (QPushButton* button : m_dialog->findChildren<QPushButton*>())
            if (button->isDefault() && button->isEnabled())
                return button;
        return nullptr;
    }

    QWidget* m_dialog;
};

} // namespace

QPushButton* makeButton(const QString& caption, const char* name, int index) {
    auto* button = new QPushButton(caption);
    nameControl(button, name, index);
    return button;
}

QPushButton* makeFrameButton(const QString& caption, const char* name, int index) {
    QPushButton* button = makeButton(caption, name, index);
    button->setAutoDefault(false);
    return button;
}

QBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

void focusOnActivation(QWidget* window, QWidget* target) {
    new ActivationFocus(window, target);
}

void focusOnOpening(QWidget* dialog) {
    new OpeningFocus(dialog);
}

} // namespace tonalyst
