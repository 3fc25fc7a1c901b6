#include "midi/RtMidiInput.h"

#include <QFile>

#include <jack/jack.h>
#include <rtmidi/RtMidi.h>

namespace tonalyst {

namespace {

constexpr const char* kClientName = "Tonalyst";
constexpr qint64 kAskAgainMs = 10000;

// JACK reports on stderr every attempt to reach a server that is not running; Tonalyst
// says so itself, once, in the MIDI Input dialog.
void quiet(const char*) {}

// Whether a JACK server answers, asked without starting one: RtMidi would warn on stderr.
bool jackServerRuns() {
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    jack_status_t status{};
    jack_client_t* client = jack_client_open("tonalyst-probe", JackNoStartServer, &status);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}

// The ALSA sequencer is a device file; where it is missing (no sound modules, a container)
// ALSA's library would complain on stderr before failing.
bool alsaSequencerPresent() {
    return QFile::exists(QStringLiteral("/dev/snd/seq"));
}

void readMessage(double, std::vector<unsigned char>* message, void* input) {
    if (message)
        static_cast<RtMidiInput*>(input)->deliver(message->data(), message->size());
}

// Warnings (a server gone, a port vanished) are answered by the next listing.
void ignoreError(RtMidiError::Type, const std::string&, void*) {}

} // namespace

struct RtMidiInput::System {
    RtMidi::Api api;
    bool (*present)();
    std::unique_ptr<RtMidiIn> lister;
};

RtMidiInput::RtMidiInput(QObject* parent) : MidiInput(parent) {
    m_systems.push_back(std::make_unique<System>(System{RtMidi::LINUX_ALSA, alsaSequencerPresent, nullptr}));
    m_systems.push_back(std::make_unique<System>(System{RtMidi::UNIX_JACK, jackServerRuns, nullptr}));
    connectSystems();
}

// The open port's reading thread is stopped before this object, which it reports to, goes.
RtMidiInput::~RtMidiInput() {
    close();
}

void RtMidiInput::connectSystems() {
    for (const auto& system : m_systems) {
        if (system->lister || !system->present())
            continue;
        try {
            system->lister = std::make_unique<RtMidiIn>(system->api, kClientName);
            system->lister->setErrorCallback(ignoreError);
        } catch (const RtMidiError&) {
            system->lister.reset();
        }
    }
}

bool RtMidiInput::hasSystem() {
    connectSystems();
    for (const auto& system : m_systems)
        if (system->lister)
            return true;
    return false;
}

QStringList RtMidiInput::ports() {
    connectSystems();
    QStringList names;
    for (const auto& system : m_systems) {
        if (!system->lister)
            continue;
        const unsigned count = system->lister->getPortCount();
        // A JACK server that stopped leaves a client that lists nothing. Whether it still
        // runs is asked now and then only: asking opens a client of its own on the server.
        if (count == 0 && system->api == RtMidi::UNIX_JACK &&
            (!m_lastAsked.isValid() || m_lastAsked.elapsed() > kAskAgainMs)) {
            m_lastAsked.start();
            if (!system->present())
                system->lister.reset();
            continue;
        }
        for (unsigned i = 0; i < count; ++i) {
            const QString name = QString::fromStdString(system->lister->getPortName(i));
            if (!name.isEmpty())
                names << name;
        }
    }
    return names;
}

bool RtMidiInput::open(const QString& port) {
    close();
    connectSystems();
    const std::string wanted = port.toStdString();
    for (const auto& system : m_systems) {
        if (!system->lister)
            continue;
        const unsigned count = system->lister->getPortCount();
        for (unsigned i = 0; i < count; ++i) {
            if (system->lister->getPortName(i) != wanted)
                continue;
            try {
                auto input = std::make_unique<RtMidiIn>(system->api, kClientName);
                input->setErrorCallback(ignoreError);
                // Notes and controls only: no system exclusive, clock or active sensing.
                input->ignoreTypes(true, true, true);
                input->setCallback(readMessage, this);
                // The port numbers of a new client are its own; the name is looked up again.
                const unsigned inputCount = input->getPortCount();
                for (unsigned j = 0; j < inputCount; ++j) {
                    if (input->getPortName(j) == wanted) {
                        input->openPort(j, "keyboard");
                        if (input->isPortOpen()) {
                            m_open = std::move(input);
                            m_openPort = port;
                            m_error.clear();
                            return true;
                        }
                    }
                }
            } catch (const RtMidiError& error) {
                m_error = QString::fromStdString(error.getMessage());
                return false;
            }
        }
    }
    m_error = tr("The port %1 is not there.").arg(port);
    return false;
}

void RtMidiInput::close() {
    if (m_open) {
        m_open->cancelCallback();
        m_open->closePort();
        m_open.reset();
    }
    m_openPort.clear();
}

// On the MIDI system's thread: the message waits for the GUI thread, where the receivers live.
void RtMidiInput::deliver(const unsigned char* bytes, std::size_t size) {
    if (size < 3)
        return;
    bool first = false;
    {
        const std::lock_guard lock(m_arrivedMutex);
        first = m_arrived.empty();
        m_arrived.push_back({bytes[0] & 0xF0, bytes[1] & 0x7F, bytes[2] & 0x7F});
    }
    if (first)
        QMetaObject::invokeMethod(this, &RtMidiInput::drain, Qt::QueuedConnection);
}

void RtMidiInput::drain() {
    std::vector<Message> arrived;
    {
        const std::lock_guard lock(m_arrivedMutex);
        arrived.swap(m_arrived);
    }
    for (const Message& message : arrived) {
        if (message.status == 0x90 && message.data2 > 0)
            emit noteOn(message.data1, message.data2);
        else if (message.status == 0x80 || message.status == 0x90)
            emit noteOff(message.data1);
        else if (message.status == 0xB0)
            emit control(message.data1, message.data2);
    }
}

} // namespace tonalyst
