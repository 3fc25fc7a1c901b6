#include "options/KeySettingsDialog.h"

#include "options/CheckBoxGroup.h"
#include "options/DialogButtons.h"
#include "options/OptionButtonGroup.h"
#include "platform/Beeper.h"
#include "platform/ControlNames.h"
#include "platform/Prompter.h"

#include <QBoxLayout>
#include <QPushButton>

namespace tonalyst {

namespace {

constexpr KeyMode kModes[] = {KeyMode::Major, KeyMode::Minor, KeyMode::MajorMinor};

int modeIndex(KeyMode mode) {
    for (int i = 0; i < 3; ++i)
        if (kModes[i] == mode)
            return i;
    return 2;
}

// All and Clear under a column of key boxes.
QBoxLayout* allClearRow(CheckBoxGroup* column, const char* allName, const char* clearName) {
    QPushButton* all = makeFrameButton(KeySettingsDialog::tr("All"), allName);
    QPushButton* clear = makeFrameButton(KeySettingsDialog::tr("Clear"), clearName);
    QObject::connect(all, &QPushButton::clicked, column, [column] { column->setAllTicked(true); });
    QObject::connect(clear, &QPushButton::clicked, column, [column] { column->setAllTicked(false); });
    auto* row = new QHBoxLayout;
    row->addWidget(all);
    row->addWidget(clear);
    return row;
}

} // namespace

KeySettingsDialog::KeySettingsDialog(QuestionSettings& settings, Prompter& prompter, Beeper& beeper,
                                     QWidget* parent)
    : QDialog(parent), m_settings(settings), m_prompter(prompter), m_beeper(beeper) {
    setObjectName(QStringLiteral("frmkeycustom"));
    setWindowTitle(tr("Options: Key Settings"));

    m_mode = new OptionButtonGroup(tr("Mode "), "optMode", {tr("Major"), tr("Minor"), tr("Both")});
    nameControl(m_mode, "frmModeset");

    m_sharp = new CheckBoxGroup(tr("Sharp Keys"), "chkShrp",
                                {tr("C / a"), tr("G / e"), tr("D / b"), tr("A / f-sharp"), tr("E / c-sharp"),
                                 tr("B / g-sharp"), tr("F-sharp / d-sharp"), tr("C-sharp / a-sharp")});
    nameControl(m_sharp, "frmSharpset");
    m_sharp->addFootRow(allClearRow(m_sharp, "cmdallsharp", "cmdClearsharp"));

    m_flat = new CheckBoxGroup(tr("Flat Keys"), "chkFlat",
                               {tr("F / d"), tr("B-flat / g"), tr("E-flat / c"), tr("A-flat / f"),
                                tr("D-flat / b-flat"), tr("G-flat / e-flat"), tr("C-flat / a-flat")});
    nameControl(m_flat, "frmFlatset");
    m_flat->addFootRow(allClearRow(m_flat, "cmdAllflat", "cmdClearflat"));

    auto* keySet = new QGroupBox(tr("Key Settings"));
    nameControl(keySet, "frmKeyset");
    auto* columns = new QHBoxLayout(keySet);
    columns->setSpacing(12);
    columns->addWidget(m_mode, 0, Qt::AlignTop);
    columns->addWidget(m_sharp);
    columns->addWidget(m_flat);

    QPushButton* ok = makeButton(tr("OK"), "cmdOK", 0);
    QPushButton* cancel = makeButton(tr("Cancel"), "cmdOK", 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &KeySettingsDialog::pressOk);
    connect(cancel, &QPushButton::clicked, this, &KeySettingsDialog::pressCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(12);
    layout->addWidget(keySet);
    layout->addLayout(buttonRow({ok, cancel}));

    // OK is the default button too, so Enter confirms what the dialog shows.
    focusOnActivation(this, ok);
    showBoxes(m_settings.keys.boxes());
}

bool KeySettingsDialog::pressOk() {
    if (!m_settings.keys.accept(boxesShown())) {
        m_beeper.beep();
        m_prompter.message(tr("You must select at least one key"), Prompter::Icon::Exclamation);
        return false;
    }
    accept();
    return true;
}

void KeySettingsDialog::pressCancel() {
    showBoxes(m_settings.keys.boxes());
    QDialog::reject();
}

void KeySettingsDialog::reject() {
    pressCancel();
}

KeyBoxes KeySettingsDialog::boxesShown() const {
    KeyBoxes boxes;
    boxes.sharp = m_sharp->ticked<8>();
    boxes.flat = m_flat->ticked<7>();
    const int mode = m_mode->selected();
    boxes.mode = mode >= 0 ? kModes[mode] : KeyMode::MajorMinor;
    return boxes;
}

void KeySettingsDialog::showBoxes(const KeyBoxes& boxes) {
    m_sharp->setTicked(boxes.sharp);
    m_flat->setTicked(boxes.flat);
    m_mode->select(modeIndex(boxes.mode));
}

} // namespace tonalyst
