#include "PgCluster.h"

#include "classserver/PgConnection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tonalyst::test {

namespace {

QString newestBinaries() {
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    for (auto version = found.rbegin(); version != found.rend(); ++version) {
        const QString bin = versions.filePath(*version + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/pg_ctl")))
            return bin;
    }
    return {};
}

// A socket bound to an unused port on 127.0.0.1; -1 when none could be had.
int boundSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

QString uriText(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// A server stopped abruptly may leave its lock file behind, naming a process that has
// ended but that nobody has reaped (in a container whose first process reaps nothing);
// the next server would take that process for a running server and refuse to start.
void clearStaleLock(const QString& dataDir) {
    QFile lock(dataDir + QStringLiteral("/postmaster.pid"));
    if (!lock.open(QIODevice::ReadOnly))
        return;
    const QByteArray pid = lock.readLine().trimmed();
    lock.close();
    QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray fields = stat.readAll();
        const qsizetype end = fields.lastIndexOf(')');
        if (end < 0 || fields.mid(end + 2, 1) != "Z")
            return;
    }
    lock.remove();
}

} // namespace

PgCluster::PgCluster() : m_root(QDir::tempPath() + QStringLiteral("/tonalyst-pg-XXXXXX")), m_binaries(newestBinaries()) {}

PgCluster::~PgCluster() {
    if (m_running)
        stopAbruptly();
}

int PgCluster::closedPort() {
    int port = 0;
    const int fd = boundSocket(port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

bool PgCluster::runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // The server refuses to run as root; as root, the tools run as the postgres user.
    if (::geteuid() == 0)
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"),
                                  m_binaries + QLatin1Char('/') + tool} +
                          arguments);
    else
        process.start(m_binaries + QLatin1Char('/') + tool, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_problem = tool + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll()) + process.errorString();
        return false;
    }
    return true;
}

bool PgCluster::initialise() {
    if (!m_root.isValid() || m_binaries.isEmpty()) {
        m_problem = QStringLiteral("no temporary folder or no PostgreSQL server installed");
        return false;
    }
    if (::geteuid() == 0) {
        const passwd* postgres = ::getpwnam("postgres");
        if (!postgres || ::chown(QFile::encodeName(m_root.path()).constData(), postgres->pw_uid, postgres->pw_gid) != 0) {
            m_problem = QStringLiteral("cannot hand the cluster folder to the postgres user");
            return false;
        }
    }
    if (!runTool(QStringLiteral("initdb"),
                 {QStringLiteral("-D"), m_root.filePath(QStringLiteral("data")), QStringLiteral("-U"),
                  QStringLiteral("tonalyst_admin"), QStringLiteral("--auth-local=trust"),
                  QStringLiteral("--auth-host=scram-sha-256"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                  QStringLiteral("--locale=C"), QStringLiteral("--no-sync")}))
        return false;
    m_initialised = true;
    return true;
}

bool PgCluster::start() {
    if (!m_initialised && !initialise())
        return false;
    if (m_port == 0)
        m_port = closedPort();
    // No fsync: the tests survive the server's crash, not the machine's. Commits are still
    // written before they return, so an abrupt stop keeps every committed answer.
    const QString settings =
        QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off "
                       "-c full_page_writes=off")
            .arg(m_port)
            .arg(m_root.path());
    // After an abrupt stop pg_ctl may be misled by the old server's lock file and report a
    // failure while the new server comes up anyway; the server answering is what counts.
    for (int attempt = 0; attempt < 20; ++attempt) {
        clearStaleLock(m_root.filePath(QStringLiteral("data")));
        runTool(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_root.filePath(QStringLiteral("data")),
                                           QStringLiteral("-l"), m_root.filePath(QStringLiteral("log")),
                                           QStringLiteral("-o"), settings, QStringLiteral("-w"),
                                           QStringLiteral("start")});
        for (int wait = 0; wait < 20; ++wait) {
            PgConnection probe;
            if (probe.open(adminServer(QStringLiteral("postgres")))) {
                m_running = true;
                return true;
            }
            QThread::msleep(250);
        }
    }
    QFile log(m_root.filePath(QStringLiteral("log")));
    if (log.open(QIODevice::ReadOnly))
        m_problem += QString::fromLocal8Bit(log.readAll());
    return false;
}

bool PgCluster::stopAbruptly() {
    m_running = false;
    return runTool(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_root.filePath(QStringLiteral("data")),
                                               QStringLiteral("-m"), QStringLiteral("immediate"),
                                               QStringLiteral("-w"), QStringLiteral("stop")});
}

QString PgCluster::adminServer(const QString& database) const {
    return QStringLiteral("host=%1 port=%2 user=tonalyst_admin dbname=%3").arg(m_root.path()).arg(m_port).arg(database);
}

QString PgCluster::loginServer(const QString& role, const QString& password, const QString& database) const {
    return QStringLiteral("postgresql://%1:%2@127.0.0.1:%3/%4")
        .arg(uriText(role), uriText(password))
        .arg(m_port)
        .arg(database);
}

SilentListener::SilentListener() {
    m_socket = boundSocket(m_port);
    // The kernel completes the handshake for queued connections; nobody ever reads them.
    if (m_socket >= 0 && ::listen(m_socket, 16) != 0) {
        ::close(m_socket);
        m_socket = -1;
    }
}

SilentListener::~SilentListener() {
    if (m_socket >= 0)
        ::close(m_socket);
}

StallingProxy::StallingProxy(int targetPort) : m_target(targetPort) {
    m_listener = boundSocket(m_port);
    if (m_listener >= 0 && ::listen(m_listener, 16) != 0) {
        ::close(m_listener);
        m_listener = -1;
        m_port = 0;
    }
    if (m_listener >= 0)
        m_thread = std::thread([this] { run(); });
}

StallingProxy::~StallingProxy() {
    m_done = true;
    if (m_thread.joinable())
        m_thread.join();
    for (const int fd : m_sockets)
        if (fd >= 0)
            ::close(fd);
    if (m_listener >= 0)
        ::close(m_listener);
}

void StallingProxy::run() {
    while (!m_done) {
        std::vector<pollfd> watched{{m_listener, POLLIN, 0}};
        // Once stalled, nothing is read, so nothing passes and no close is noticed.
        if (!m_stalled) {
            for (const int fd : m_sockets)
                watched.push_back({fd, POLLIN, 0});
        }
        if (::poll(watched.data(), watched.size(), 50) <= 0)
            continue;
        if (watched[0].revents & POLLIN) {
            const int client = ::accept(m_listener, nullptr, nullptr);
            const int server = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<uint16_t>(m_target));
            if (client >= 0 && server >= 0 &&
                ::connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
                m_sockets.push_back(client);
                m_sockets.push_back(server);
            } else {
                for (const int fd : {client, server})
                    if (fd >= 0)
                        ::close(fd);
            }
        }
        for (size_t i = 1; i < watched.size(); ++i) {
            if (!(watched[i].revents & (POLLIN | POLLHUP)) || m_stalled)
                continue;
            const size_t index = i - 1;
            const int peer = m_sockets[index % 2 == 0 ? index + 1 : index - 1];
            char buffer[65536];
            const ssize_t got = ::read(watched[i].fd, buffer, sizeof buffer);
            for (ssize_t sent = 0; got > 0 && sent < got;) {
                const ssize_t wrote = ::write(peer, buffer + sent, static_cast<size_t>(got - sent));
                if (wrote <= 0)
                    break;
                sent += wrote;
            }
            if (got <= 0) {
                // poll passes over a negative descriptor.
                ::close(m_sockets[index]);
                m_sockets[index] = -1;
                if (peer >= 0)
                    ::shutdown(peer, SHUT_WR);
            }
        }
    }
}

} // namespace tonalyst::test
