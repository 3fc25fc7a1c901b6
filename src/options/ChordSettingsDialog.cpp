#include "options/ChordSettingsDialog.h"

#include "options/CheckBoxGroup.h"
#include "options/ChordCaptions.h"
#include "options/DialogButtons.h"
#include "platform/Beeper.h"
#include "platform/ControlNames.h"
#include "platform/Prompter.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>

namespace tonalyst {

namespace {

template <std::size_t N> QStringList captions(const std::array<const char*, N>& table) {
    QStringList list;
    for (const char* caption : table)
        list << QString::fromLatin1(caption);
    return list;
}

QString refusalText(ChordRefusal refusal) {
    switch (refusal) {
    case ChordRefusal::NothingTicked:
        return ChordSettingsDialog::tr("You must select at least one chord");
    case ChordRefusal::AppliedDominantVIIOnly:
        return ChordSettingsDialog::tr(
            "Can apply to VII only in minor.You must make at least one more selection "
            "from the applied dominant list.");
    case ChordRefusal::AppliedLeadingToneVIIOnly:
        return ChordSettingsDialog::tr(
            "Can apply to VII only in minor.You must make at least one more selection "
            "from the applied leading tone  list.");
    case ChordRefusal::None:
        break;
    }
    return {};
}

QCheckBox* makeMixtureBox(const char* name) {
    auto* box = new QCheckBox(ChordSettingsDialog::tr("Mixture On"));
    nameControl(box, name);
    return box;
}

} // namespace

ChordSettingsDialog::ChordSettingsDialog(QuestionSettings& settings, Prompter& prompter, Beeper& beeper,
                                         QWidget* parent)
    : QDialog(parent), m_settings(settings), m_prompter(prompter), m_beeper(beeper) {
    using namespace chordcaptions;
    setObjectName(QStringLiteral("frmchordcustom"));
    setWindowTitle(tr("Options: Chord Settings"));

    m_triadMixture = makeMixtureBox("chkmix");
    CheckBoxGroup* triads =
        addGroup(Triads, tr("Triads"), "chktriad", "cmdAllTriad", captions(kTriadsAtStart), m_triadMixture);
    triads->reserveCaptions(captions(kTriadsMixtureOn));
    triads->reserveCaptions(captions(kTriadsMixtureOff));
    connect(m_triadMixture, &QCheckBox::toggled, triads,
            [triads](bool on) { triads->setCaptions(captions(on ? kTriadsMixtureOn : kTriadsMixtureOff)); });

    m_seventhMixture = makeMixtureBox("chk7mix");
    CheckBoxGroup* sevenths = addGroup(Sevenths, tr("Sevenths"), "chkseven", "cmdAll7",
                                       captions(kSeventhsAtStart), m_seventhMixture);
    sevenths->reserveCaptions(captions(kSeventhsMixtureOn));
    sevenths->reserveCaptions(captions(kSeventhsMixtureOff));
    connect(m_seventhMixture, &QCheckBox::toggled, sevenths, [sevenths](bool on) {
        sevenths->setCaptions(captions(on ? kSeventhsMixtureOn : kSeventhsMixtureOff));
    });

    addGroup(AppliedDominants, tr("Applied Dominant7"), "chkapplied5", "cmdAllapp5",
             {tr("V7 of Flat-II"), tr("V7 of ii "), tr("V7 of iii / III"), tr("V7 of IV / iv"), tr("V7 of V"),
              tr("V7 of vi / VI"), tr("V7 of VII (minor only)")});
    addGroup(AppliedLeadingTones, tr("Applied vii-dim7"), "chkapplied7", "cmdallapp7",
             {tr("vii-dim7 of ii "), tr("vii-dim7 of iii / III"), tr("vii-dim7 of IV"), tr("vii-dim7 of V"),
              tr("vii-dim7 of vi / VI"), tr("vii-dim7 of VII (minor only)")});
    addGroup(AugmentedSixths, tr("Augmented 6"), "chkaug6", "cmdAllaug6",
             {tr("Italian"), tr("French"), tr("German")});

    auto* neapolitanFrame = new QGroupBox(tr("Neapolitan"));
    nameControl(neapolitanFrame, "fraChords", 5);
    m_neapolitan = new QCheckBox(tr("Flat-II"));
    nameControl(m_neapolitan, "chkflat2");
    auto* neapolitanLayout = new QVBoxLayout(neapolitanFrame);
    neapolitanLayout->addWidget(m_neapolitan);
    neapolitanLayout->addStretch(1);

    auto* frame = new QGroupBox(tr("Chord Settings"));
    nameControl(frame, "Frame1");
    auto* grid = new QGridLayout(frame);
    grid->setSpacing(12);
    for (int group = 0; group < GroupCount; ++group)
        grid->addWidget(m_groups[static_cast<std::size_t>(group)], group / 3, group % 3);
    grid->addWidget(neapolitanFrame, 1, 2);

    QPushButton* selectAll = makeFrameButton(tr("Select All"), "cmdAllChords", 1);
    QPushButton* clearAll = makeFrameButton(tr("Clear All"), "cmdAllChords", 0);
    connect(selectAll, &QPushButton::clicked, this, [this] { pressAllChords(1); });
    connect(clearAll, &QPushButton::clicked, this, [this] { pressAllChords(0); });

    QPushButton* ok = makeButton(tr("OK"), "cmdOK", 1);
    QPushButton* cancel = makeButton(tr("Cancel"), "cmdOK", 0);
    // Cancel answers Enter, but OK holds the focus whenever the dialog is active, so
    // Enter presses OK until the student moves the focus.
    cancel->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ChordSettingsDialog::pressOk);
    connect(cancel, &QPushButton::clicked, this, &ChordSettingsDialog::pressCancel);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectAll);
    buttons->addWidget(clearAll);
    buttons->addLayout(buttonRow({ok, cancel}), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(12);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    focusOnActivation(this, ok);
    showBoxes(m_settings.chords.boxes());
}

CheckBoxGroup* ChordSettingsDialog::addGroup(Group group, const QString& title, const char* boxName,
                                             const char* buttonName, const QStringList& boxCaptions,
                                             QCheckBox* mixture) {
    auto* frame = new CheckBoxGroup(title, boxName, boxCaptions);
    nameControl(frame, "fraChords", group);
    if (mixture) {
        // Set apart from the chords: it changes how they are read, it is not one of them.
        auto* rule = new QFrame;
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        frame->addBelow(rule);
        frame->addBelow(mixture);
    }
    QPushButton* clear = makeFrameButton(tr("Clear"), buttonName, 0);
    QPushButton* all = makeFrameButton(tr("All"), buttonName, 1);
    connect(clear, &QPushButton::clicked, frame, [frame] { frame->setAllTicked(false); });
    connect(all, &QPushButton::clicked, frame, [frame] { frame->setAllTicked(true); });
    auto* row = new QHBoxLayout;
    row->addWidget(all);
    row->addWidget(clear);
    frame->addFootRow(row);

    m_groups[static_cast<std::size_t>(group)] = frame;
    m_groupButtons[static_cast<std::size_t>(group)] = {clear, all};
    return frame;
}

void ChordSettingsDialog::pressAllChords(int index) {
    for (const auto& buttons : m_groupButtons)
        buttons[static_cast<std::size_t>(index)]->click();
    m_neapolitan->setChecked(index == 1);
}

bool ChordSettingsDialog::pressOk() {
    const ChordRefusal refusal = m_settings.chords.accept(boxesShown());
    if (refusal != ChordRefusal::None) {
        m_beeper.beep();
        m_prompter.message(refusalText(refusal), Prompter::Icon::Exclamation);
        return false;
    }
    accept();
    return true;
}

void ChordSettingsDialog::pressCancel() {
    showBoxes(m_settings.chords.boxes());
    QDialog::reject();
}

void ChordSettingsDialog::reject() {
    pressCancel();
}

ChordBoxes ChordSettingsDialog::boxesShown() const {
    ChordBoxes boxes;
    boxes.triads = m_groups[Triads]->ticked<7>();
    boxes.sevenths = m_groups[Sevenths]->ticked<6>();
    boxes.appliedDominants = m_groups[AppliedDominants]->ticked<7>();
    boxes.appliedLeadingTones = m_groups[AppliedLeadingTones]->ticked<6>();
    boxes.augmentedSixths = m_groups[AugmentedSixths]->ticked<3>();
    boxes.neapolitan = m_neapolitan->isChecked();
    boxes.triadMixture = m_triadMixture->isChecked();
    boxes.seventhMixture = m_seventhMixture->isChecked();
    return boxes;
}

void ChordSettingsDialog::showBoxes(const ChordBoxes& boxes) {
    m_groups[Triads]->setTicked(boxes.triads);
    m_groups[Sevenths]->setTicked(boxes.sevenths);
    m_groups[AppliedDominants]->setTicked(boxes.appliedDominants);
    m_groups[AppliedLeadingTones]->setTicked(boxes.appliedLeadingTones);
    m_groups[AugmentedSixths]->setTicked(boxes.augmentedSixths);
    m_neapolitan->setChecked(boxes.neapolitan);
    m_triadMixture->setChecked(boxes.triadMixture);
    m_seventhMixture->setChecked(boxes.seventhMixture);
}

} // namespace tonalyst
