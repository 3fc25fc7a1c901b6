#include "options/KeySigDisplayDialog.h"

#include "options/DialogButtons.h"
#include "options/OptionButtonGroup.h"
#include "platform/ControlNames.h"

#include <QBoxLayout>
#include <QPushButton>

namespace tonalyst {

KeySigDisplayDialog::KeySigDisplayDialog(QuestionSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("frmkeysig"));
    setWindowTitle(tr("Options: Key Signature Display"));

    m_options = new OptionButtonGroup(tr("Key Indication for chord ID"), "optkeysig",
                                      {tr("Written"), tr("Symbolic"), tr("Both")});
    nameControl(m_options, "fraquesnum");

    QPushButton* cancel = makeButton(tr("Cancel"), "Command1", 0);
    QPushButton* ok = makeButton(tr("OK"), "Command1", 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &KeySigDisplayDialog::pressOk);
    connect(cancel, &QPushButton::clicked, this, &KeySigDisplayDialog::pressCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(12);
    m_options->setMinimumWidth(kMinimumFrameWidth);
    layout->addWidget(m_options);
    layout->addLayout(buttonRow({ok, cancel}));
    focusOnOpening(this);

    showStored();
}

void KeySigDisplayDialog::selectOption(int index) {
    m_options->select(index);
}

void KeySigDisplayDialog::pressOk() {
    const int selected = m_options->selected();
    m_settings.keySigDisplay = {selected == 0, selected == 1, selected == 2};
    accept();
}

void KeySigDisplayDialog::pressCancel() {
    showStored();
    QDialog::reject();
}

void KeySigDisplayDialog::reject() {
    pressCancel();
}

void KeySigDisplayDialog::showStored() {
    const KeySigDisplay& stored = m_settings.keySigDisplay;
    m_options->select(stored.written ? 0 : stored.symbolic ? 1 : stored.both ? 2 : -1);
}

} // namespace tonalyst
