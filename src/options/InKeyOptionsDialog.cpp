#include "options/InKeyOptionsDialog.h"

#include "options/DialogButtons.h"
#include "options/OptionButtonGroup.h"
#include "platform/ControlNames.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace tonalyst {

namespace {

constexpr InKeyMode kModes[] = {InKeyMode::Major, InKeyMode::Minor, InKeyMode::Both};
constexpr int kMostAccidentals = 7;
constexpr int kSlowestTempo = 40;
constexpr int kFastestTempo = 160;

} // namespace

QSpinBox* makeSpinBox(const char* name, int minimum, int maximum, const QString& accessibleName, int index) {
    auto* spin = new QSpinBox;
    nameControl(spin, name, index);
    spin->setRange(minimum, maximum);
    spin->setAccessibleName(accessibleName);
    return spin;
}

InKeyCommonGroup::InKeyCommonGroup(QWidget* parent) : QWidget(parent) {
    m_mode = new OptionButtonGroup(tr("Mode"), "optinkeymode",
                                   {tr("major keys"), tr("minor keys"), tr("major and minor keys")}, this);
    nameControl(m_mode, "frainkeymode");

    auto* more = new QGroupBox(tr("Key and Tempo"), this);
    nameControl(more, "frainkeyplay");
    m_accidentals = makeSpinBox("spnaccidentals", 0, kMostAccidentals, tr("At most sharps or flats"));
    m_skipCadence = new QCheckBox(tr("Skip the cadence while the key stays the same"), more);
    nameControl(m_skipCadence, "chkskipcadence");
    m_tempo = makeSpinBox("spntempo", kSlowestTempo, kFastestTempo, tr("Tempo in quarter notes per minute"));
    m_tempo->setSingleStep(4);
    auto* form = new QFormLayout(more);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("At most &sharps or flats:"), m_accidentals);
    form->addRow(tr("&Tempo (quarter notes per minute):"), m_tempo);
    form->addRow(m_skipCadence);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_mode);
    layout->addWidget(more);
    layout->addStretch(1);
}

void InKeyCommonGroup::setOptions(const InKeyCommon& common) {
    for (int i = 0; i < m_mode->count(); ++i)
        if (kModes[i] == common.mode)
            m_mode->select(i);
    m_accidentals->setValue(common.maxAccidentals);
    m_skipCadence->setChecked(common.skipRepeatedCadence);
    m_tempo->setValue(common.tempo);
}

InKeyCommon InKeyCommonGroup::options() const {
    InKeyCommon common;
    common.mode = kModes[std::max(0, m_mode->selected())];
    common.maxAccidentals = m_accidentals->value();
    common.skipRepeatedCadence = m_skipCadence->isChecked();
    common.tempo = m_tempo->value();
    return common;
}

InKeyOptionsDialog::InKeyOptionsDialog(const char* windowName, const QString& title, QWidget* parent)
    : QDialog(parent), m_common(new InKeyCommonGroup(this)) {
    setObjectName(QString::fromLatin1(windowName));
    setWindowTitle(title);
}

void InKeyOptionsDialog::pressOk() {
    store();
    accept();
}

void InKeyOptionsDialog::pressCancel() {
    QDialog::reject();
}

void InKeyOptionsDialog::reject() {
    pressCancel();
}

void InKeyOptionsDialog::layOut(std::initializer_list<QWidget*> frames) {
    QPushButton* ok = makeButton(tr("OK"), "cmdok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &InKeyOptionsDialog::pressOk);
    QPushButton* cancel = makeButton(tr("Cancel"), "cmdcancel");
    connect(cancel, &QPushButton::clicked, this, &InKeyOptionsDialog::pressCancel);

    auto* own = new QVBoxLayout;
    for (QWidget* frame : frames) {
        frame->setMinimumWidth(kMinimumFrameWidth);
        own->addWidget(frame);
    }
    own->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(own);
    columns->addWidget(m_common);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(12);
    layout->addLayout(columns);
    layout->addLayout(buttonRow({ok, cancel}));
    focusOnOpening(this);
}

void InKeyOptionsDialog::setVisible(bool visible) {
    // Before the dialog shows, so that the focus goes to the option stored.
    if (visible && !isVisible())
        load();
    QDialog::setVisible(visible);
}

} // namespace tonalyst
