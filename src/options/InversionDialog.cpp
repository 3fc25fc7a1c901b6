#include "options/InversionDialog.h"

#include "options/OptionButtonGroup.h"

namespace tonalyst {

namespace {

constexpr InversionOption kOptions[] = {InversionOption::Off, InversionOption::Basic,
                                        InversionOption::FiguredBass};

} // namespace

InversionDialog::InversionDialog(QuestionSettings& settings, QWidget* parent)
    : OkOnlyDialog("frminversion", tr("Options: Inversion Settings"), parent), m_settings(settings) {
    m_options = new OptionButtonGroup(tr("Inversion Options"), "optinversion",
                                      {tr("Inversions Off"), tr("Inversions On : basic notation"),
                                       tr("Inversions On : figured bass notation")});
    layOut({m_options}, "Command1");
    for (int i = 0; i < 3; ++i)
        if (kOptions[i] == m_settings.inversions)
            m_options->select(i);
}

void InversionDialog::store() {
    m_settings.inversions = kOptions[m_options->selected()];
    emit inversionsChosen(m_settings.inversions != InversionOption::Off);
}

} // namespace tonalyst
