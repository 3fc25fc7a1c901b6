#include "app/MidiDialog.h"

#include "midi/MidiConnection.h"
#include "midi/MidiInput.h"
#include "startup/WrappedTextHeight.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonalyst {

namespace {

// The item that listens to no keyboard carries no port name.
constexpr int kPortRole = Qt::UserRole;

} // namespace

MidiDialog::MidiDialog(const MidiSettings& settings, MidiConnection& connection, QWidget* parent)
    : QDialog(parent), m_connection(connection), m_chosen(settings.port), m_ports(new QListWidget(this)),
      m_status(new QLabel(this)), m_submit(new QComboBox(this)) {
    setObjectName(QStringLiteral("frmMidiInput"));
    setWindowTitle(tr("MIDI Input"));
    m_ports->setObjectName(QStringLiteral("lstMidiPorts"));
    m_ports->setAccessibleName(tr("MIDI keyboards"));
    m_status->setObjectName(QStringLiteral("lblMidiStatus"));
    m_status->setWordWrap(true);
    m_submit->setObjectName(QStringLiteral("cboMidiSubmit"));
    m_submit->addItem(tr("Sustain pedal"), MidiSettings::kSustainPedal);
    m_submit->addItem(tr("Sostenuto pedal"), 66);
    m_submit->addItem(tr("Soft pedal"), 67);
    m_submit->addItem(tr("None: Enter submits"), MidiSettings::kNoControl);
    m_submit->setCurrentIndex(std::max(0, m_submit->findData(settings.submitControl)));

    auto* refresh = new QPushButton(tr("&Refresh"), this);
    refresh->setObjectName(QStringLiteral("cmdMidiRefresh"));
    auto* note = new QLabel(tr("Play an answer on the keyboard: notes enter the staff, chords answer ear "
                               "training. J respells the last note entered."),
                            this);
    note->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Submit with:"), m_submit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Play answers on:"), this));
    layout->addWidget(m_ports);
    layout->addWidget(refresh, 0, Qt::AlignLeft);
    layout->addWidget(m_status);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(refresh, &QPushButton::clicked, this, &MidiDialog::listPorts);
    connect(m_ports, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            m_chosen = item->data(kPortRole).toString();
    });
    listPorts();
    new WrappedTextHeight(this);
}

void MidiDialog::listPorts() {
    MidiInput& input = m_connection.input();
    const QStringList ports = input.ports();
    const QString chosen = m_chosen;
    m_ports->clear();
    auto* none = new QListWidgetItem(tr("(no MIDI keyboard)"), m_ports);
    none->setData(kPortRole, QString());
    QListWidgetItem* current = none;
    bool chosenListed = false;
    for (const QString& port : ports) {
        auto* item = new QListWidgetItem(port, m_ports);
        item->setData(kPortRole, port);
        if (!chosen.isEmpty() && samePort(port, chosen)) {
            current = item;
            chosenListed = true;
        }
    }
    // A keyboard chosen before and unplugged now stays the choice, to be found when it returns.
    if (!chosen.isEmpty() && !chosenListed) {
        current = new QListWidgetItem(tr("%1 (not connected)").arg(chosen), m_ports);
        current->setData(kPortRole, chosen);
    }
    m_ports->setCurrentItem(current);

    if (!input.hasSystem())
        m_status->setText(tr("No MIDI system is running: neither the ALSA sequencer nor a JACK server "
                             "answers. Tonalyst works as usual without one."));
    else if (ports.isEmpty())
        m_status->setText(tr("No MIDI keyboard is connected. Plug one in and press Refresh; a keyboard "
                             "chosen here is connected by itself whenever it appears."));
    else if (!input.openPort().isEmpty())
        m_status->setText(tr("Listening to %1.").arg(input.openPort()));
    else
        m_status->setText(tr("Choose the keyboard to play answers on."));
}

MidiSettings MidiDialog::settings() const {
    return {m_chosen, m_submit->currentData().toInt()};
}

} // namespace tonalyst
