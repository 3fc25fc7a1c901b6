#include "classserver/PgConnection.h"

#include <QCoreApplication>

#include <libpq-fe.h>

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace tonalyst {

namespace {

using Clock = std::chrono::steady_clock;

enum class Wait { Ready, Deadline, Stopped };

// A stop is noticed within this, so quitting never waits on the network.
constexpr std::chrono::milliseconds kStopCheck{50};

// Waits until the socket is ready as asked, the deadline passes or `stop` turns true.
Wait waitForSocket(int socket, bool forWriting, Clock::time_point deadline, const std::atomic<bool>* stop) {
    for (;;) {
        if (stop && stop->load())
            return Wait::Stopped;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return Wait::Deadline;
        pollfd watched{socket, static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(std::min(left, kStopCheck).count()));
        if (ready > 0)
            return Wait::Ready;
        if (ready < 0 && errno != EINTR)
            return Wait::Ready; // let libpq find and report what is wrong with the socket
    }
}

QString seconds(std::chrono::milliseconds duration) {
    return QString::number(double(duration.count()) / 1000.0);
}

// Asks the server to cancel the running statement, on a thread of its own: the request
// opens a connection of its own, which a silent network could hold for minutes.
void cancelOnServer(pg_conn* conn) {
    pg_cancel* cancel = PQgetCancel(conn);
    if (!cancel)
        return;
    std::thread([cancel] {
        char reason[256];
        PQcancel(cancel, reason, sizeof reason);
        PQfreeCancel(cancel);
    }).detach();
}

QString trimmedMessage(const char* message) {
    return QString::fromUtf8(message).trimmed();
}

ServerFault faultOfState(const QString& state) {
    if (state == QLatin1String("28P01") || state == QLatin1String("28000"))
        return ServerFault::WrongPassword;
    if (state.startsWith(QLatin1String("08")) || state == QLatin1String("57P01") ||
        state == QLatin1String("57P02") || state == QLatin1String("57P03"))
        return ServerFault::Unreachable;
    // A statement cancelled by its deadline or a lock it waited for too long (55P03), or
    // a session ended for idling inside its transaction (25P03).
    if (state == QLatin1String("57014") || state == QLatin1String("55P03") || state == QLatin1String("25P03"))
        return ServerFault::TimedOut;
    if (state == QLatin1String("42501"))
        return ServerFault::Refused;
    return ServerFault::Other;
}

// libpq reports a failed login only as text; these are its words and the server's.
ServerFault faultOfLogin(pg_conn* conn, const QString& message) {
    if (PQconnectionNeedsPassword(conn) ||
        message.contains(QLatin1String("password authentication failed")) ||
        message.contains(QLatin1String("no password supplied")) ||
        message.contains(QLatin1String("SCRAM authentication")))
        return ServerFault::WrongPassword;
    if (message.contains(QLatin1String("timeout expired")))
        return ServerFault::TimedOut;
    if (message.contains(QLatin1String("FATAL")) || message.contains(QLatin1String("service")) ||
        message.contains(QLatin1String("invalid")))
        return ServerFault::Other;
    return ServerFault::Unreachable;
}

QString quotedSetting(const QString& value) {
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

void PgResult::Clear::operator()(pg_result* result) const {
    PQclear(result);
}

int PgResult::rows() const {
    return m_result ? PQntuples(m_result.get()) : 0;
}

int PgResult::columns() const {
    return m_result ? PQnfields(m_result.get()) : 0;
}

bool PgResult::isNull(int row, int column) const {
    return !m_result || PQgetisnull(m_result.get(), row, column);
}

QString PgResult::text(int row, int column) const {
    if (isNull(row, column))
        return {};
    return QString::fromUtf8(PQgetvalue(m_result.get(), row, column),
                             PQgetlength(m_result.get(), row, column));
}

qint64 PgResult::number(int row, int column) const {
    if (isNull(row, column))
        return 0;
    return QByteArray(PQgetvalue(m_result.get(), row, column)).toLongLong();
}

bool PgResult::flag(int row, int column) const {
    return !isNull(row, column) && PQgetvalue(m_result.get(), row, column)[0] == 't';
}

qint64 PgResult::affectedRows() const {
    return m_result ? QByteArray(PQcmdTuples(m_result.get())).toLongLong() : 0;
}

PgConnection::PgConnection() = default;

PgConnection::~PgConnection() {
    if (m_conn)
        PQfinish(m_conn);
}

QString PgConnection::connectionText(const QString& server) {
    const QString text = server.trimmed();
    if (text.isEmpty() || text.contains(QLatin1Char('=')) ||
        text.startsWith(QLatin1String("postgresql://")) || text.startsWith(QLatin1String("postgres://")))
        return text;
    return QStringLiteral("service=") + quotedSetting(text);
}

bool PgConnection::open(const QString& server, Limits limits) {
    if (m_conn) {
        PQfinish(m_conn);
        m_conn = nullptr;
    }
    m_limits = limits;
    m_fault = ServerFault::None;
    m_problem.clear();

    const QByteArray timeout = QByteArray::number(qMax<qint64>(2, (limits.connect.count() + 999) / 1000));
    const QByteArray userTimeout = QByteArray::number(qint64(limits.statement.count()));
    const QByteArray settings = connectionText(server).toUtf8();
    // Tonalyst's limits come first so that settings the school gives in the URI or the
    // service file win; the deadline below holds whatever they say.
    const char* const keywords[] = {"connect_timeout",
                                    "tcp_user_timeout",
                                    "keepalives",
                                    "keepalives_idle",
                                    "keepalives_interval",
                                    "keepalives_count",
                                    "application_name",
                                    "dbname",
                                    nullptr};
    const char* const values[] = {timeout.constData(), userTimeout.constData(), "1",    "5", "2", "3",
                                  "tonalyst",          settings.constData(),    nullptr};
    pg_conn* conn = PQconnectStartParams(keywords, values, 1);
    if (!conn) {
        m_fault = ServerFault::Other;
        m_problem = QCoreApplication::translate("PgConnection", "out of memory");
        return false;
    }

    const Clock::time_point deadline = Clock::now() + limits.connect;
    PostgresPollingStatusType polling = PGRES_POLLING_WRITING;
    while (PQstatus(conn) != CONNECTION_BAD && polling != PGRES_POLLING_OK &&
           polling != PGRES_POLLING_FAILED) {
        const Wait waited = waitForSocket(PQsocket(conn), polling == PGRES_POLLING_WRITING, deadline, m_stop);
        if (waited != Wait::Ready) {
            PQfinish(conn);
            m_fault = waited == Wait::Stopped ? ServerFault::Stopped : ServerFault::TimedOut;
            m_problem = waited == Wait::Stopped
                            ? QCoreApplication::translate("PgConnection", "stopped by Tonalyst")
                            : QCoreApplication::translate("PgConnection",
                                                          "no answer from the server within %1 seconds")
                                  .arg(seconds(limits.connect));
            return false;
        }
        polling = PQconnectPoll(conn);
    }
    if (PQstatus(conn) != CONNECTION_OK) {
        m_problem = trimmedMessage(PQerrorMessage(conn));
        m_fault = faultOfLogin(conn, m_problem);
        PQfinish(conn);
        return false;
    }
    if (PQsetClientEncoding(conn, "UTF8") != 0) {
        m_problem = trimmedMessage(PQerrorMessage(conn));
        m_fault = ServerFault::Other;
        PQfinish(conn);
        return false;
    }
    // Nothing may block on a full socket buffer, not even the goodbye of PQfinish.
    if (PQsetnonblocking(conn, 1) != 0) {
        m_problem = trimmedMessage(PQerrorMessage(conn));
        m_fault = ServerFault::Other;
        PQfinish(conn);
        return false;
    }
    m_conn = conn;
    return fixSession();
}

bool PgConnection::fixSession() {
    // Names are looked up in pg_catalog and Tonalyst's schema alone, whatever the
    // database's or the role's defaults say; the server's own limits keep a session that
    // the network has cut off from holding locks for long.
    const PgResult fixed = exec(
        QStringLiteral("SELECT pg_catalog.set_config('search_path', 'pg_catalog, tonalyst, pg_temp', false), "
                       "pg_catalog.set_config('statement_timeout', $1, false), "
                       "pg_catalog.set_config('lock_timeout', $2, false), "
                       "pg_catalog.set_config('idle_in_transaction_session_timeout', $3, false)"),
        {QString::number(m_limits.statement.count()), QString::number(m_limits.lock.count()),
         QString::number(m_limits.idleInTransaction.count())});
    if (fixed.ok())
        return true;
    m_fault = fixed.fault();
    m_problem = fixed.problem();
    if (m_conn) {
        PQfinish(m_conn);
        m_conn = nullptr;
    }
    return false;
}

PgResult PgConnection::abandon(ServerFault fault, const QString& problem) {
    PgResult outcome;
    outcome.m_fault = fault;
    outcome.m_problem = problem;
    // The session is left mid-statement; only a new one can be trusted.
    if (fault == ServerFault::Stopped)
        cancelOnServer(m_conn);
    PQfinish(m_conn);
    m_conn = nullptr;
    m_fault = fault;
    m_problem = problem;
    return outcome;
}

PgResult PgConnection::exec(const QString& sql, const QStringList& parameters) {
    if (!m_conn)
        return await(false);
    std::vector<QByteArray> values;
    values.reserve(parameters.size());
    std::vector<const char*> pointers;
    pointers.reserve(parameters.size());
    for (const QString& parameter : parameters) {
        values.push_back(parameter.toUtf8());
        pointers.push_back(parameter.isNull() ? nullptr : values.back().constData());
    }
    const bool sent = PQsendQueryParams(m_conn, sql.toUtf8().constData(), static_cast<int>(pointers.size()),
                                        nullptr, pointers.data(), nullptr, nullptr, 0) == 1;
    return await(sent);
}

PgResult PgConnection::execScript(const QString& sql) {
    if (!m_conn)
        return await(false);
    return await(PQsendQuery(m_conn, sql.toUtf8().constData()) == 1);
}

PgResult PgConnection::await(bool sent) {
    PgResult outcome;
    if (!m_conn) {
        outcome.m_fault = m_fault == ServerFault::None ? ServerFault::Unreachable : m_fault;
        outcome.m_problem =
            m_problem.isEmpty() ? QCoreApplication::translate("PgConnection", "not connected") : m_problem;
        return outcome;
    }
    if (!sent) {
        outcome.m_fault = ServerFault::Unreachable;
        outcome.m_problem = trimmedMessage(PQerrorMessage(m_conn));
        return finish(std::move(outcome));
    }

    const Clock::time_point deadline = Clock::now() + m_limits.statement;
    const int socket = PQsocket(m_conn);
    const auto gaveUp = [this](Wait waited) {
        return waited == Wait::Stopped
                   ? abandon(ServerFault::Stopped,
                             QCoreApplication::translate("PgConnection", "stopped by Tonalyst"))
                   : abandon(ServerFault::TimedOut,
                             QCoreApplication::translate("PgConnection",
                                                         "no answer from the server within %1 seconds")
                                 .arg(seconds(m_limits.statement)));
    };
    // Parameters too large for the socket's buffer are sent as the server takes them.
    for (int flushed = PQflush(m_conn); flushed != 0; flushed = PQflush(m_conn)) {
        if (flushed < 0) {
            outcome.m_fault = ServerFault::Unreachable;
            outcome.m_problem = trimmedMessage(PQerrorMessage(m_conn));
            return finish(std::move(outcome));
        }
        if (const Wait waited = waitForSocket(socket, true, deadline, m_stop); waited != Wait::Ready)
            return gaveUp(waited);
        if (!PQconsumeInput(m_conn)) {
            outcome.m_fault = ServerFault::Unreachable;
            outcome.m_problem = trimmedMessage(PQerrorMessage(m_conn));
            return finish(std::move(outcome));
        }
    }
    for (;;) {
        while (PQisBusy(m_conn)) {
            if (const Wait waited = waitForSocket(socket, false, deadline, m_stop); waited != Wait::Ready)
                return gaveUp(waited);
            if (!PQconsumeInput(m_conn)) {
                outcome.m_fault = ServerFault::Unreachable;
                outcome.m_problem = trimmedMessage(PQerrorMessage(m_conn));
                return finish(std::move(outcome));
            }
        }
        pg_result* result = PQgetResult(m_conn);
        if (!result)
            break;
        const ExecStatusType status = PQresultStatus(result);
        const bool failed =
            status == PGRES_FATAL_ERROR || status == PGRES_BAD_RESPONSE || status == PGRES_NONFATAL_ERROR;
        if (failed && outcome.ok()) {
            const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
            outcome.m_sqlState = state ? QString::fromLatin1(state) : QString();
            outcome.m_fault = faultOfState(outcome.m_sqlState);
            outcome.m_problem = trimmedMessage(PQresultErrorMessage(result));
        }
        if (outcome.ok() || failed)
            outcome.m_result.reset(result);
        else
            PQclear(result);
    }
    return finish(std::move(outcome));
}

PgResult PgConnection::finish(PgResult result) {
    if (m_conn && PQstatus(m_conn) == CONNECTION_BAD) {
        if (result.ok() || result.m_fault == ServerFault::Other) {
            result.m_fault = ServerFault::Unreachable;
            if (result.m_problem.isEmpty())
                result.m_problem = trimmedMessage(PQerrorMessage(m_conn));
        }
        PQfinish(m_conn);
        m_conn = nullptr;
        m_fault = result.m_fault;
        m_problem = result.m_problem;
    }
    return result;
}

QString PgConnection::description() const {
    if (!m_conn)
        return {};
    const QString host = QString::fromUtf8(PQhost(m_conn));
    const QString where =
        host.startsWith(QLatin1Char('/')) ? QCoreApplication::translate("PgConnection", "local") : host;
    return QStringLiteral("%1:%2/%3")
        .arg(where, QString::fromUtf8(PQport(m_conn)), QString::fromUtf8(PQdb(m_conn)));
}

std::optional<QByteArray> PgConnection::passwordVerifier(const QString& password, const QString& role) {
    if (!m_conn)
        return std::nullopt;
    char* verifier = PQencryptPasswordConn(m_conn, password.toUtf8().constData(), role.toUtf8().constData(),
                                           "scram-sha-256");
    if (!verifier)
        return std::nullopt;
    QByteArray text(verifier);
    PQfreemem(verifier);
    return text;
}

QString faultInWords(ServerFault fault) {
    switch (fault) {
    case ServerFault::None:
        return {};
    case ServerFault::Unreachable:
        return QCoreApplication::translate(
            "PgConnection",
            "the class server cannot be reached (it may be switched off, or the network is down)");
    case ServerFault::TimedOut:
        return QCoreApplication::translate("PgConnection", "the class server did not answer in time");
    case ServerFault::WrongPassword:
        return QCoreApplication::translate(
            "PgConnection", "the class server did not accept your login (ask your teacher to check your "
                            "password)");
    case ServerFault::Refused:
        return QCoreApplication::translate(
            "PgConnection", "the class server refused the answers (ask your teacher to check your class "
                            "login)");
    case ServerFault::Stopped:
        return QCoreApplication::translate("PgConnection", "Tonalyst was closed while sending");
    case ServerFault::Other:
        break;
    }
    return QCoreApplication::translate("PgConnection", "the class server reported a problem");
}

} // namespace tonalyst
