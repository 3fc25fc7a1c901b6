#include "app/NamePad.h"

#include "platform/ControlNames.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tonalyst {

namespace {

// Seven names a row: a row of degrees or diatonic chords, and their altered forms below.
constexpr int kColumns = 7;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& description) {
    auto* label = new QLabel(parent);
    nameControl(label, name);
    label->setAccessibleDescription(description);
    label->setWordWrap(true);
    return label;
}

} // namespace

NamePad::NamePad(QWidget* parent) : QWidget(parent) {
    nameControl(this, "fraNamePad");
    m_key = makeLabel(this, "lblkey", tr("The key of the question"));
    m_entered = makeLabel(this, "lblnames", tr("The names you entered"));
    QFont large = m_entered->font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    large.setBold(true);
    m_entered->setFont(large);
    m_grid = new QGridLayout;
    m_grid->setSpacing(4);

    m_typed = new QLineEdit(this);
    nameControl(m_typed, "txtname");
    m_typed->setAccessibleName(tr("Type a name"));
    m_typed->setAccessibleDescription(
        tr("Enter adds the name typed to your answer; Backspace in the empty field takes the last one back"));
    m_typed->setPlaceholderText(tr("Type a name, then Enter"));
    m_typed->installEventFilter(this);
    m_message = makeLabel(this, "lblnamemsg", tr("Why a typed name was not taken"));
    m_replayCadence = new QPushButton(tr("Replay Cadence"), this);
    nameControl(m_replayCadence, "cmdcadence");
    m_replayCadence->setAutoDefault(true);
    m_replayCadence->setMinimumWidth(120);
    m_replayCadence->setToolTip(tr("Play the cadence that sets the key again"));

    auto* typedRow = new QHBoxLayout;
    typedRow->addWidget(m_typed, 1);
    typedRow->addWidget(m_replayCadence);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_key);
    layout->addWidget(m_entered);
    layout->addLayout(m_grid);
    layout->addLayout(typedRow);
    layout->addWidget(m_message);

    connect(m_replayCadence, &QPushButton::clicked, this, &NamePad::replayCadenceRequested);
}

void NamePad::offer(const QStringList& names, const QStringList& shown, const QStringList& spoken) {
    if (names == m_names && !m_buttons.isEmpty() && m_buttons.front()->text() == shown.value(0))
        return;
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_names = names;
    const int numeral = fontMetrics().horizontalAdvance(QStringLiteral("viiø7/V")) + 16;
    int widest = numeral;
    for (int i = 0; i < names.size(); ++i) {
        auto* button = new QPushButton(shown.value(i), this);
        nameControl(button, "cmdname", i);
        button->setAccessibleName(spoken.value(i));
        button->setAutoDefault(true);
        widest = std::max(widest, fontMetrics().horizontalAdvance(button->text()) + 16);
        const QString name = names[i];
        connect(button, &QPushButton::clicked, this, [this, name] { emit nameChosen(name); });
        m_buttons << button;
    }
    // Names in words ("Trugschluss") take the room of several numerals, fewer to a row, so
    // that each is read whole at the window's smallest.
    const int columns = std::max(1, kColumns * numeral / widest);
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setMinimumWidth(widest);
        m_grid->addWidget(m_buttons[i], i / columns, i % columns);
    }
    // The tab order runs through the names in their order, then to the typed field.
    QWidget* previous = nullptr;
    for (QPushButton* button : std::as_const(m_buttons)) {
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    if (previous)
        setTabOrder(previous, m_typed);
}

void NamePad::showKey(const QString& keyName) {
    m_key->setText(tr("In the key of %1").arg(keyName));
}

void NamePad::showEntered(const QString& entered) {
    m_entered->setText(entered);
}

void NamePad::showMessage(const QString& message) {
    m_message->setText(message);
}

void NamePad::clearTyped() {
    m_typed->clear();
}

QPushButton* NamePad::button(const QString& name) const {
    const qsizetype index = m_names.indexOf(name);
    return index < 0 ? nullptr : m_buttons.value(index);
}

// Enter is the field's own, never passed on to the window's default button: on a typed
// name it adds the name, on the empty field it submits.
bool NamePad::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_typed || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool empty = m_typed->text().trimmed().isEmpty();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (empty)
            emit submitRequested();
        else
            emit nameTyped(m_typed->text());
        return true;
    }
    if (key == Qt::Key_Backspace && m_typed->text().isEmpty()) {
        emit lastNameRemoved();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tonalyst
