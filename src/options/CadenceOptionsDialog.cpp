#include "options/CadenceOptionsDialog.h"

#include "options/CheckBoxGroup.h"

namespace tonalyst {

namespace {

constexpr std::size_t kChoices = 2;

} // namespace

CadenceOptionsDialog::CadenceOptionsDialog(CadenceOptions& options, QWidget* parent)
    : InKeyOptionsDialog("frmcadences", tr("Options: Cadences"), parent), m_options(options) {
    m_cadences = new CheckBoxGroup(tr("Cadences Named"), "chkcadences",
                                   {tr("perfect and imperfect authentic cadences told apart"),
                                    tr("Phrygian half cadences in minor keys")});
    layOut({m_cadences});
    load();
}

void CadenceOptionsDialog::load() {
    common().setOptions(m_options.common);
    m_cadences->setTicked<kChoices>({m_options.perfectImperfect, m_options.phrygian});
}

void CadenceOptionsDialog::store() {
    m_options.common = common().options();
    const auto ticked = m_cadences->ticked<kChoices>();
    m_options.perfectImperfect = ticked[0];
    m_options.phrygian = ticked[1];
}

} // namespace tonalyst
