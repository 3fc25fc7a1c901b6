#pragma once

#include "midi/MidiInput.h"

#include <QElapsedTimer>

#include <memory>
#include <vector>

class RtMidiIn;

namespace tonalyst {

// MIDI input from the ALSA sequencer (where USB keyboards appear) and from JACK (and
// PipeWire's JACK). A system missing at start is looked for again whenever the ports are
// listed, so a JACK server started later is found.
class RtMidiInput final : public MidiInput {
    Q_OBJECT

public:
    explicit RtMidiInput(QObject* parent = nullptr);
    ~RtMidiInput() override;

    bool hasSystem() override;
    QStringList ports() override;
    bool open(const QString& port) override;
    void close() override;
    QString openPort() const override { return m_openPort; }
    QString error() const override { return m_error; }

    // Reads one raw MIDI message on the MIDI system's own thread.
    void deliver(const unsigned char* bytes, std::size_t size);

private:
    struct System;
    void connectSystems();

    std::vector<std::unique_ptr<System>> m_systems;
    std::unique_ptr<RtMidiIn> m_open;
    QString m_openPort;
    QString m_error;
    QElapsedTimer m_lastAsked;
};

} // namespace tonalyst
