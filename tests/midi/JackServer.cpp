#include "JackServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

#include <jack/jack.h>

namespace tonalyst::test {

namespace {

bool serverAnswers() {
    jack_status_t status{};
    jack_client_t* client = jack_client_open("tonalyst-test-probe", JackNoStartServer, &status);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}

void quiet(const char*) {}

} // namespace

bool JackServer::installed() {
    return !QStandardPaths::findExecutable(QStringLiteral("jackd")).isEmpty();
}

JackServer::JackServer() {
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    const QString name = QStringLiteral("tonalyst-test-%1").arg(QCoreApplication::applicationPid());
    qputenv("JACK_DEFAULT_SERVER", name.toUtf8());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("JACK_DEFAULT_SERVER"), name);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral("jackd"),
                    {QStringLiteral("--no-realtime"), QStringLiteral("-d"), QStringLiteral("dummy"),
                     QStringLiteral("-r"), QStringLiteral("48000"), QStringLiteral("-p"),
                     QStringLiteral("256")});
    if (!m_process.waitForStarted(5000)) {
        m_problem = QStringLiteral("jackd did not start: ") + m_process.errorString();
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (!serverAnswers()) {
        if (m_process.state() != QProcess::Running || waited.elapsed() > 10000) {
            m_problem =
                QStringLiteral("jackd did not answer: ") + QString::fromLocal8Bit(m_process.readAll());
            return;
        }
        QThread::msleep(50);
    }
}

JackServer::~JackServer() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

TestKeyboard::TestKeyboard(const std::string& client) : m_out(RtMidi::UNIX_JACK, client), m_client(client) {
    m_out.openVirtualPort("keys");
}

QString TestKeyboard::port() const {
    return QString::fromStdString(m_client + ":keys");
}

void TestKeyboard::press(int key, int velocity) {
    send(0x90, key, velocity);
}

void TestKeyboard::release(int key) {
    send(0x80, key, 0);
}

void TestKeyboard::control(int number, int value) {
    send(0xB0, number, value);
}

void TestKeyboard::send(unsigned char status, int data1, int data2) {
    const std::vector<unsigned char> message{status, static_cast<unsigned char>(data1),
                                             static_cast<unsigned char>(data2)};
    m_out.sendMessage(&message);
}

} // namespace tonalyst::test
