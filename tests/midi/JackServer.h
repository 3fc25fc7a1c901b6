#pragma once

#include <QProcess>
#include <QString>

#include <rtmidi/RtMidi.h>

#include <string>

namespace tonalyst::test {

// A JACK server with its dummy backend, needing no sound card, under a name of its own
// that this process's JACK clients use from then on. Gone with the object.
class JackServer {
public:
    JackServer();
    ~JackServer();
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    static bool installed();
    // Empty once the server answers; otherwise what went wrong.
    const QString& problem() const { return m_problem; }

private:
    QProcess m_process;
    QString m_problem;
};

// A keyboard on the JACK server: a client with one MIDI output port.
class TestKeyboard {
public:
    explicit TestKeyboard(const std::string& client);
    // The port's name as the input lists it: "client:keys".
    QString port() const;
    void press(int key, int velocity = 90);
    void release(int key);
    void control(int number, int value);

private:
    void send(unsigned char status, int data1, int data2);

    RtMidiOut m_out;
    std::string m_client;
};

} // namespace tonalyst::test
