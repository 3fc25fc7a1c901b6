#include "options/ChordFunctionOptionsDialog.h"

#include "options/CheckBoxGroup.h"

namespace tonalyst {

namespace {

constexpr std::size_t kChoices = 5;

} // namespace

ChordFunctionOptionsDialog::ChordFunctionOptionsDialog(ChordFunctionOptions& options, QWidget* parent)
    : InKeyOptionsDialog("frmchordfunctions", tr("Options: Chord Functions"), parent), m_options(options) {
    m_chords =
        new CheckBoxGroup(tr("Chords Played Besides the Triads of the Key"), "chkfunctions",
                          {tr("seventh chords (V7, ii7, vii°7 ...)"), tr("inversions (I6, V65, ii42 ...)"),
                           tr("applied chords (V/V, V7/ii, vii°7/V ...)"),
                           tr("mixture in major keys (♭III, ♭VI, ♭VII, iv)"), tr("Neapolitan sixth (N6)")});
    layOut({m_chords});
    load();
}

void ChordFunctionOptionsDialog::load() {
    common().setOptions(m_options.common);
    m_chords->setTicked<kChoices>({m_options.sevenths, m_options.inversions, m_options.applied,
                                   m_options.mixture, m_options.neapolitan});
}

void ChordFunctionOptionsDialog::store() {
    m_options.common = common().options();
    const auto ticked = m_chords->ticked<kChoices>();
    m_options.sevenths = ticked[0];
    m_options.inversions = ticked[1];
    m_options.applied = ticked[2];
    m_options.mixture = ticked[3];
    m_options.neapolitan = ticked[4];
}

} // namespace tonalyst
