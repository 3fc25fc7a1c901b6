#pragma once

#include <QObject>
#include <QStringList>

namespace tonalyst {

// A MIDI keyboard as the window hears it. The events arrive on the thread the input
// lives in (the GUI thread), whatever thread the MIDI system reads them on.
class MidiInput : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether a MIDI system (the ALSA sequencer or a JACK server) answers at all.
    virtual bool hasSystem() = 0;
    // The ports a keyboard plays into, by name; empty without a system or a device.
    virtual QStringList ports() = 0;
    // Listens to one port; false, with the reason in error(), when it cannot be opened.
    virtual bool open(const QString& port) = 0;
    virtual void close() = 0;
    // The port listened to, or empty.
    virtual QString openPort() const = 0;
    virtual QString error() const = 0;

signals:
    void noteOn(int key, int velocity);
    void noteOff(int key);
    void control(int number, int value);
};

} // namespace tonalyst
