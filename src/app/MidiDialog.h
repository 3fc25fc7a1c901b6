#pragma once

#include "midi/MidiSettings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;

namespace tonalyst {

class MidiConnection;

// "MIDI Input ...": the MIDI keyboard the user plays answers on, and the pedal that submits.
// It says plainly when there is no MIDI system or no keyboard; the list is read again on
// Refresh, the connection keeps looking by itself.
class MidiDialog final : public QDialog {
    Q_OBJECT

public:
    MidiDialog(const MidiSettings& settings, MidiConnection& connection, QWidget* parent = nullptr);

    MidiSettings settings() const;

private:
    void listPorts();

    MidiConnection& m_connection;
    QString m_chosen;
    QListWidget* m_ports;
    QLabel* m_status;
    QComboBox* m_submit;
};

} // namespace tonalyst
