#include "options/TestLengthDialog.h"

#include "options/DialogButtons.h"
#include "options/OptionButtonGroup.h"
#include "platform/ControlNames.h"

#include <QBoxLayout>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>

namespace tonalyst {

TestLengthDialog::TestLengthDialog(QuestionSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("frmquesnum"));
    setWindowTitle(tr("Options: Test Length"));

    m_lengths = new OptionButtonGroup(tr("Number of Test Questions"), "optquesnum",
                                      {tr("five"), tr("ten"), tr("fifteen"), tr("twenty")});
    nameControl(m_lengths, "fraquesnum");

    QPushButton* cancel = makeButton(tr("Cancel"), "Command1", 0);
    m_ok = makeButton(tr("OK"), "Command1", 1);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TestLengthDialog::pressOk);
    connect(cancel, &QPushButton::clicked, this, &TestLengthDialog::pressCancel);

    // The focus stays on OK so that Enter confirms a choice at once.
    connect(m_lengths, &OptionButtonGroup::optionClicked, m_ok, [this] { m_ok->setFocus(); });
    for (int i = 0; i < m_lengths->count(); ++i)
        m_lengths->button(i)->installEventFilter(this);
    focusOnActivation(this, m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(12);
    m_lengths->setMinimumWidth(kMinimumFrameWidth);
    layout->addWidget(m_lengths);
    layout->addLayout(buttonRow({m_ok, cancel}));

    m_lengths->select((m_settings.testLength - 5) / 5);
}

void TestLengthDialog::pressOk() {
    m_settings.testLength = 5 + 5 * m_lengths->selected();
    accept();
}

void TestLengthDialog::pressCancel() {
    m_lengths->select((m_settings.testLength - 5) / 5);
    QDialog::reject();
}

void TestLengthDialog::reject() {
    pressCancel();
}

// A double click on a length chooses it and confirms it in one action.
bool TestLengthDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto* button = qobject_cast<QRadioButton*>(watched)) {
            m_lengths->select(controlIndex(button));
            pressOk();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tonalyst
