#include "app/MidiLink.h"

#include "app/MidiDialog.h"
#include "midi/MidiConnection.h"
#include "midi/MidiInput.h"

#include <QSettings>
#include <QWidget>

namespace tonalyst {

MidiLink::MidiLink(std::unique_ptr<MidiInput> input, QString settingsFile, QWidget* window)
    : QObject(window), m_input(std::move(input)), m_connection(new MidiConnection(*m_input, this)),
      m_settingsFile(std::move(settingsFile)), m_window(window) {}

// The connection's timer goes before the input it polls.
MidiLink::~MidiLink() {
    delete m_connection;
}

void MidiLink::setUser(const QString& userId) {
    m_userId = userId;
    const QSettings stored(m_settingsFile, QSettings::IniFormat);
    m_settings = MidiSettings::load(stored, userId);
    m_connection->setWanted(m_settings.port);
}

void MidiLink::openDialog() {
    MidiDialog dialog(m_settings, *m_connection, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings = dialog.settings();
    QSettings stored(m_settingsFile, QSettings::IniFormat);
    m_settings.save(stored, m_userId);
    m_connection->setWanted(m_settings.port);
}

} // namespace tonalyst
