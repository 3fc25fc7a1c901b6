#include "options/EarTrainingChordDialog.h"

#include "options/OptionButtonGroup.h"

namespace tonalyst {

namespace {

constexpr EarTrainingChords kOptions[] = {EarTrainingChords::Triads, EarTrainingChords::Sevenths,
                                          EarTrainingChords::Both};

} // namespace

EarTrainingChordDialog::EarTrainingChordDialog(QuestionSettings& settings, QWidget* parent)
    : OkOnlyDialog("frmetchordselect", tr("Options: Ear Training Chord Selection"), parent),
      m_settings(settings) {
    m_options = new OptionButtonGroup(tr("Ear Training Chord Selection"), "Optchordet",
                                      {tr("Triads"), tr("Sevenths"), tr("Both")});
    layOut({m_options}, "cmdok");
    for (int i = 0; i < 3; ++i)
        if (kOptions[i] == m_settings.earTrainingChords)
            m_options->select(i);
}

void EarTrainingChordDialog::store() {
    m_settings.earTrainingChords = kOptions[m_options->selected()];
}

} // namespace tonalyst
