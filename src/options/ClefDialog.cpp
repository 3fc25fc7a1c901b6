#include "options/ClefDialog.h"

#include "options/OptionButtonGroup.h"

namespace tonalyst {

namespace {

constexpr ClefChoice kClefs[] = {ClefChoice::Treble, ClefChoice::Bass, ClefChoice::Random};

} // namespace

ClefDialog::ClefDialog(QuestionSettings& settings, QWidget* parent)
    : OkOnlyDialog("frmclefselect", tr("Options: Clef Selection"), parent), m_settings(settings) {
    m_clefs = new OptionButtonGroup(tr("Clef Selection"), "Option1",
                                    {tr("Treble Clef"), tr("Bass Clef"), tr("Random")});
    layOut({m_clefs}, "command1");
    for (int i = 0; i < 3; ++i)
        if (kClefs[i] == m_settings.clef)
            m_clefs->select(i);
}

void ClefDialog::store() {
    m_settings.clef = kClefs[m_clefs->selected()];
    emit clefChosen(m_settings.clef);
}

} // namespace tonalyst
