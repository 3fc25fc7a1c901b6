#pragma once

#include "theory/QuestionSettings.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;

namespace tonalyst {

class Beeper;
class CheckBoxGroup;
class Prompter;

// Which chords the chord questions may ask for: six groups of chords and modal mixture
// for triads and for sevenths.
class ChordSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ChordSettingsDialog(QuestionSettings& settings, Prompter& prompter, Beeper& beeper,
                        QWidget* parent = nullptr);

    // Accepts the ticked chords and closes. A selection that cannot make a question is
    // refused with a beep and a message, and the dialog stays open with the ticks as
    // they are. True when accepted.
    bool pressOk();
    // Brings every box back to the last accepted selection and closes.
    void pressCancel();

    void reject() override;

private:
    // The five groups that have Clear and All buttons, in the order Select All and
    // Clear All press them.
    enum Group { Triads, Sevenths, AppliedDominants, AppliedLeadingTones, AugmentedSixths, GroupCount };

    CheckBoxGroup* addGroup(Group group, const QString& title, const char* boxName, const char* buttonName,
                            const QStringList& boxCaptions, QCheckBox* mixture = nullptr);
    void pressAllChords(int index);
    ChordBoxes boxesShown() const;
    void showBoxes(const ChordBoxes& boxes);

    QuestionSettings& m_settings;
    Prompter& m_prompter;
    Beeper& m_beeper;
    std::array<CheckBoxGroup*, GroupCount> m_groups{};
    // Per group: Clear (0) and All (1).
    std::array<std::array<QPushButton*, 2>, GroupCount> m_groupButtons{};
    QCheckBox* m_neapolitan = nullptr;
    QCheckBox* m_triadMixture = nullptr;
    QCheckBox* m_seventhMixture = nullptr;
};

} // namespace tonalyst
