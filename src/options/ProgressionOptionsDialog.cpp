#include "options/ProgressionOptionsDialog.h"

#include "options/CheckBoxGroup.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>

namespace tonalyst {

namespace {

constexpr int kFewestChords = 3;
constexpr int kMostChords = 6;
constexpr std::size_t kChoices = 2;

} // namespace

ProgressionOptionsDialog::ProgressionOptionsDialog(ProgressionOptions& options, QWidget* parent)
    : InKeyOptionsDialog("frmprogressions", tr("Options: Progressions"), parent), m_options(options) {
    auto* length = new QGroupBox(tr("Chords per Progression"));
    length->setObjectName(QStringLiteral("fraprogressionlength"));
    m_fewest = makeSpinBox("spnchords", kFewestChords, kMostChords, tr("Fewest chords per progression"), 0);
    m_most = makeSpinBox("spnchords", kFewestChords, kMostChords, tr("Most chords per progression"), 1);
    auto* form = new QFormLayout(length);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("&From:"), m_fewest);
    form->addRow(tr("T&o:"), m_most);
    // The range never turns inside out: the other end follows the one moved.
    connect(m_fewest, &QSpinBox::valueChanged, this, [this](int fewest) {
        if (m_most->value() < fewest)
            m_most->setValue(fewest);
    });
    connect(m_most, &QSpinBox::valueChanged, this, [this](int most) {
        if (m_fewest->value() > most)
            m_fewest->setValue(most);
    });

    m_chords = new CheckBoxGroup(tr("Chords Played Besides the Triads in Root Position"), "chkprogression",
                                 {tr("seventh chords"), tr("inversions")});
    layOut({length, m_chords});
    load();
}

void ProgressionOptionsDialog::load() {
    common().setOptions(m_options.common);
    // The most first: the fewest may then never exceed it.
    m_most->setValue(m_options.maxChords);
    m_fewest->setValue(m_options.minChords);
    m_chords->setTicked<kChoices>({m_options.sevenths, m_options.inversions});
}

void ProgressionOptionsDialog::store() {
    m_options.common = common().options();
    m_options.minChords = m_fewest->value();
    m_options.maxChords = m_most->value();
    const auto ticked = m_chords->ticked<kChoices>();
    m_options.sevenths = ticked[0];
    m_options.inversions = ticked[1];
}

} // namespace tonalyst
