#include "midi/MidiConnection.h"

#include "midi/MidiInput.h"

#include <QRegularExpression>
#include <QTimer>

namespace tonalyst {

namespace {

QString withoutAlsaNumbers(const QString& name) {
    static const QRegularExpression numbers(QStringLiteral(" \\d+:\\d+$"));
    QString bare = name;
    bare.remove(numbers);
    return bare;
}

} // namespace

bool samePort(const QString& a, const QString& b) {
    return a == b || withoutAlsaNumbers(a) == withoutAlsaNumbers(b);
}

MidiConnection::MidiConnection(MidiInput& input, QObject* parent)
    : QObject(parent), m_input(input), m_timer(new QTimer(this)) {
    m_timer->setInterval(kPollMs);
    connect(m_timer, &QTimer::timeout, this, &MidiConnection::poll);
}

void MidiConnection::setWanted(const QString& port) {
    m_wanted = port;
    if (!m_input.openPort().isEmpty() && !samePort(m_input.openPort(), port))
        m_input.close();
    poll();
    if (port.isEmpty())
        m_timer->stop();
    else
        m_timer->start();
}

void MidiConnection::poll() {
    if (m_wanted.isEmpty()) {
        setState(State::NotChosen);
        return;
    }
    const QStringList ports = m_input.ports();
    const auto listed = std::find_if(ports.begin(), ports.end(),
                                     [this](const QString& port) { return samePort(port, m_wanted); });
    if (!m_input.openPort().isEmpty()) {
        if (listed != ports.end())
            return;
        // Unplugged: the port is let go, and opened again when it comes back.
        m_input.close();
    }
    if (listed != ports.end() && m_input.open(*listed)) {
        setState(State::Connected);
        return;
    }
    setState(m_input.hasSystem() ? State::Waiting : State::NoSystem);
}

void MidiConnection::setState(State state) {
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

} // namespace tonalyst
