#include "options/DialogButtons.h"

#include "platform/ControlNames.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>

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

} // namespace tonalyst
