#include "app/EarTrainingWindow.h"

#include "app/DefaultButton.h"
#include "app/NamePad.h"
#include "app/StatusPanel.h"
#include "cycle/RunModel.h"
#include "platform/ControlNames.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace tonalyst {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    nameControl(button, name);
    button->setMinimumWidth(120);
    // Enter on a focused button presses that button, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& description, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    nameControl(label, name);
    label->setAccessibleDescription(description);
    return label;
}

// A key for a button whose caption stays as it is; the tooltip tells the key.
void addKey(QWidget* window, QPushButton* button, const QKeySequence& key, const QString& tip) {
    auto* shortcut = new QShortcut(key, window);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->animateClick();
    });
    button->setToolTip(QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText)));
}

} // namespace

EarTrainingWindow::EarTrainingWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    nameControl(this, "frmet");
    setWindowTitle(tr("Ear Training: "));

    m_status = new StatusPanel("frmgame", tr("Score"), this);
    m_questionNumber = makeLabel(this, "lblQuesnum", tr("Question number"));
    m_chordType = makeLabel(this, "lblchordtype", tr("First part of your answer"));
    m_chordName = makeLabel(this, "lblchordname", tr("Second part of your answer"));
    m_answerWas = makeLabel(this, "lblanswerwas", tr("Verdict on your answer"),
                            tr("your answer is ...."));
    QFont large = m_chordType->font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    large.setBold(true);
    m_questionNumber->setFont(large);
    m_chordType->setFont(large);
    m_chordName->setFont(large);

    auto* reset = makeButton(this, "cmdreset", tr("Reset"));
    auto* options = makeButton(this, "cmdshowoptions", tr("Options"));
    m_showChoices = makeButton(this, "cmdshowchoices", tr("Show Choices"));
    m_showDisplay = makeButton(this, "cmdhidedsplay", tr("Show Display"));
    m_submit = makeButton(this, "cmdok", tr("Submit Answer"));
    new DefaultButton(this, m_submit);
    auto* repeat = makeButton(this, "cmdrepeat", tr("Repeat Tones"));

    addKey(this, m_submit, QKeySequence(Qt::CTRL | Qt::Key_Return), tr("Submit your answer"));
    addKey(this, m_showChoices, QKeySequence(Qt::Key_F4), tr("Pop up the answer choices"));
    addKey(this, repeat, QKeySequence(Qt::Key_Escape), tr("Play the tones again"));

    auto* answer = new QVBoxLayout;
    answer->addWidget(m_questionNumber);
    answer->addSpacing(8);
    answer->addWidget(m_answerWas);
    answer->addWidget(m_chordType);
    answer->addWidget(m_chordName);
    answer->addStretch();

    auto* buttons = new QGridLayout;
    buttons->addWidget(repeat, 0, 0);
    buttons->addWidget(m_showChoices, 0, 1);
    buttons->addWidget(m_submit, 0, 2);
    buttons->addWidget(m_showDisplay, 1, 0);
    buttons->addWidget(options, 1, 1);
    buttons->addWidget(reset, 1, 2);

    m_pad = new NamePad(this);
    m_pad->hide();
    // Digits press the names they stand for; in the typed field they are typed.
    for (int digit = 1; digit <= 7; ++digit) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_0 + digit), this);
        connect(shortcut, &QShortcut::activated, this, [this, digit] {
            if (m_pad->isVisible())
                emit numberPressed(digit);
        });
    }
    auto* backspace = new QShortcut(QKeySequence(Qt::Key_Backspace), this);
    connect(backspace, &QShortcut::activated, this, [this] {
        if (m_pad->isVisible() && focusWidget() != m_pad->typedField())
            emit m_pad->lastNameRemoved();
    });
    connect(m_pad, &NamePad::submitRequested, m_submit, &QPushButton::click);

    auto* top = new QHBoxLayout;
    top->addLayout(answer, 1);
    top->addWidget(m_status);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addWidget(m_pad);
    layout->addLayout(buttons);

    connect(reset, &QPushButton::clicked, this, &EarTrainingWindow::resetRequested);
    connect(options, &QPushButton::clicked, this, &EarTrainingWindow::optionsRequested);
    connect(m_showChoices, &QPushButton::clicked, this, &EarTrainingWindow::showChoicesRequested);
    connect(m_showDisplay, &QPushButton::clicked, this, &EarTrainingWindow::showDisplayRequested);
    connect(m_submit, &QPushButton::clicked, this, &EarTrainingWindow::submitRequested);
    connect(repeat, &QPushButton::clicked, this, &EarTrainingWindow::repeatRequested);
}

void EarTrainingWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

void EarTrainingWindow::setNamePadShown(bool shown) {
    m_pad->setVisible(shown);
    m_showChoices->setVisible(!shown);
    m_chordType->setVisible(!shown);
    m_chordName->setVisible(!shown);
}

void EarTrainingWindow::follow(const RunModel& model) {
    m_status->follow(model);
    connect(&model, &RunModel::questionNumberChanged, m_questionNumber, &QLabel::setText);
}

} // namespace tonalyst
