#include "options/ScaleDegreeOptionsDialog.h"

#include "options/OptionButtonGroup.h"
#include "platform/ControlNames.h"

#include <QFormLayout>
#include <QRadioButton>
#include <QSpinBox>

namespace tonalyst {

namespace {

enum { Diatonic = 0, Chromatic = 1 };
enum { Numbers = 0, Solfege = 1 };
enum { DoBased = 0, LaBased = 1 };
constexpr int kMostNotes = 4;

} // namespace

ScaleDegreeOptionsDialog::ScaleDegreeOptionsDialog(ScaleDegreeOptions& options, QWidget* parent)
    : InKeyOptionsDialog("frmscaledegrees", tr("Options: Scale Degrees"), parent), m_options(options) {
    m_degrees =
        new OptionButtonGroup(tr("Degrees Asked"), "optdegrees",
                              {tr("diatonic degrees (1 to 7)"),
                               tr("with chromatic degrees (♭2 ♭3 ♯4 ♭6 ♭7 in major, ♭2 ♯4 ♮6 ♮7 in minor)")});
    m_groupSize = makeSpinBox("spngroupsize", 1, kMostNotes, tr("Notes per question"));
    auto* size = new QWidget;
    auto* sizeForm = new QFormLayout(size);
    sizeForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    sizeForm->setContentsMargins(0, 0, 0, 0);
    sizeForm->addRow(tr("&Notes per question:"), m_groupSize);
    m_degrees->addBelow(size);

    m_names = new OptionButtonGroup(tr("Degrees Named"), "optdegreenames",
                                    {tr("as numbers (1 2 3)"), tr("in movable-do solfège (do re mi)")});
    m_minorNames =
        new OptionButtonGroup(tr("Solfège in Minor Keys"), "optminorsolfege",
                              {tr("do-based: the minor tonic is do"), tr("la-based: the minor tonic is la")});
    // Numbers read the same in either mode: the choice is for solfège only.
    connect(m_names, &OptionButtonGroup::optionClicked, this,
            [this](int index) { m_minorNames->setEnabled(index == Solfege); });
    layOut({m_degrees, m_names, m_minorNames});
    load();
}

void ScaleDegreeOptionsDialog::load() {
    common().setOptions(m_options.common);
    m_degrees->select(m_options.chromatic ? Chromatic : Diatonic);
    m_groupSize->setValue(m_options.groupSize);
    m_names->select(m_options.solfege ? Solfege : Numbers);
    m_minorNames->select(m_options.laBasedMinor ? LaBased : DoBased);
    m_minorNames->setEnabled(m_options.solfege);
}

void ScaleDegreeOptionsDialog::store() {
    m_options.common = common().options();
    m_options.chromatic = m_degrees->selected() == Chromatic;
    m_options.groupSize = m_groupSize->value();
    m_options.solfege = m_names->selected() == Solfege;
    m_options.laBasedMinor = m_minorNames->selected() == LaBased;
}

} // namespace tonalyst
