#pragma once

#include <QObject>
#include <QString>

class QTimer;

namespace tonalyst {

class MidiInput;

// Keeps the chosen port open: opens it when it appears (a keyboard plugged in after
// Tonalyst started), lets it go when it disappears, and opens it again when it returns.
// The port list is looked at a few times a second, which costs a listing of the ports.
class MidiConnection final : public QObject {
    Q_OBJECT

public:
    enum class State { NotChosen, NoSystem, Waiting, Connected };

    MidiConnection(MidiInput& input, QObject* parent = nullptr);

    MidiInput& input() const { return m_input; }
    // The port to keep open; empty listens to none.
    void setWanted(const QString& port);
    const QString& wanted() const { return m_wanted; }
    State state() const { return m_state; }
    // One look at the ports, as the timer takes.
    void poll();

    static constexpr int kPollMs = 500;

signals:
    void stateChanged(tonalyst::MidiConnection::State state);

private:
    void setState(State state);

    MidiInput& m_input;
    QTimer* m_timer;
    QString m_wanted;
    State m_state = State::NotChosen;
};

// Whether two ALSA or JACK port names are one port. The ALSA sequencer appends the client
// and port numbers ("Keystation 61:Keystation 61 MIDI 1 24:0"), which change when the
// keyboard is plugged into another socket; they are not compared.
bool samePort(const QString& a, const QString& b);

} // namespace tonalyst
