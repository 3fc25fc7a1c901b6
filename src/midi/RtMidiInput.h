#pragma once

#include "midi/MidiInput.h"

#include <QElapsedTimer>

#include <memory>
#include <mutex>
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
    struct Message {
        int status;
        int data1;
        int data2;
    };
    void connectSystems();
    // On the GUI thread: emits what the MIDI thread has read since the last time.
    void drain();

    // Messages cross from the MIDI thread under a lock of our own, so that nothing of
    // ours is handed over inside Qt's event queue.
    std::mutex m_arrivedMutex;
    std::vector<Message> m_arrived;

    std::vector<std::unique_ptr<System>> m_systems;
    std::unique_ptr<RtMidiIn> m_open;
    QString m_openPort;
    QString m_error;
    QElapsedTimer m_lastAsked;
};

} // namespace tonalyst
