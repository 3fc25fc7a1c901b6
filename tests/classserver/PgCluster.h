#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <thread>
#include <vector>

namespace tonalyst::test {

// A throw-away PostgreSQL cluster in a temporary folder, on a private port and socket
// folder: started by the tests, stopped and removed by them. Local connections are
// trusted (the administrator); connections over 127.0.0.1 need a password.
class PgCluster {
public:
    PgCluster();
    ~PgCluster();
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    bool start();
    // Stops at once, as a crash or a pulled plug would.
    bool stopAbruptly();
    bool isRunning() const { return m_running; }
    const QString& problem() const { return m_problem; }
    int port() const { return m_port; }

    // The administrator over the private socket.
    QString adminServer(const QString& database = QStringLiteral("tonalyst")) const;
    // A login role over TCP with its password.
    QString loginServer(const QString& role, const QString& password,
                        const QString& database = QStringLiteral("tonalyst")) const;

    // A port on 127.0.0.1 that nothing listens on.
    static int closedPort();

private:
    bool runTool(const QString& tool, const QStringList& arguments);
    bool initialise();

    QTemporaryDir m_root;
    QString m_binaries;
    int m_port = 0;
    bool m_initialised = false;
    bool m_running = false;
    QString m_problem;
};

// A socket on 127.0.0.1 whose connections are taken and never answered.
class SilentListener {
public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;
    int port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = 0;
};

// A TCP proxy on 127.0.0.1 to a port of 127.0.0.1 that can be told to stop forwarding, as
// a cut network would: its connections stay open on both sides and nothing more passes.
class StallingProxy {
public:
    explicit StallingProxy(int targetPort);
    ~StallingProxy();
    StallingProxy(const StallingProxy&) = delete;
    StallingProxy& operator=(const StallingProxy&) = delete;
    int port() const { return m_port; }
    void stall() { m_stalled = true; }

private:
    void run();

    int m_listener = -1;
    int m_port = 0;
    int m_target = 0;
    std::atomic<bool> m_stalled = false;
    std::atomic<bool> m_done = false;
    std::vector<int> m_sockets; // in pairs: the client's side, then the server's
    std::thread m_thread;
};

} // namespace tonalyst::test
