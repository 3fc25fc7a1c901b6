#include "classserver/PgConnection.h"

#include "classserver/PgLibrary.h"

#include <poll.h>

#include <cerrno>

namespace tonalyst {

namespace {

using Clock = std::chrono::steady_clock;

// Only called once a connection or result exists, so the library has been opened.
const PgLibrary& pq() {
    return PgLibrary::shared();
}

// Waits until the socket is ready as asked or the deadline passes; false on the deadline.
bool waitForSocket(int socket, bool forWriting, Clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd watched{socket, static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return true; // let libpq find and report what is wrong with the socket
    }
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
    if (state == QLatin1String("57014"))
        return ServerFault::TimedOut;
    if (state == QLatin1String("42501"))
        return ServerFault::Refused;
    return ServerFault::Other;
}

// libpq reports a failed login only as text; these are its words and the server's.
ServerFault faultOfLogin(pg_conn* conn, const QString& message) {
    if (pq().PQconnectionNeedsPassword(conn) ||
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
    pq().PQclear(result);
}

int PgResult::rows() const {
    return m_result ? pq().PQntuples(m_result.get()) : 0;
}

int PgResult::columns() const {
    return m_result ? pq().PQnfields(m_result.get()) : 0;
}

bool PgResult::isNull(int row, int column) const {
    return !m_result || pq().PQgetisnull(m_result.get(), row, column);
}

QString PgResult::text(int row, int column) const {
    if (isNull(row, column))
        return {};
    return QString::fromUtf8(pq().PQgetvalue(m_result.get(), row, column),
                             pq().PQgetlength(m_result.get(), row, column));
}

qint64 PgResult::number(int row, int column) const {
    if (isNull(row, column))
        return 0;
    return QByteArray(pq().PQgetvalue(m_result.get(), row, column)).toLongLong();
}

bool PgResult::flag(int row, int column) const {
    return !isNull(row, column) && pq().PQgetvalue(m_result.get(), row, column)[0] == 't';
}

qint64 PgResult::affectedRows() const {
    return m_result ? QByteArray(pq().PQcmdTuples(m_result.get())).toLongLong() : 0;
}

PgConnection::PgConnection() = default;

PgConnection::~PgConnection() {
    if (m_conn)
        pq().PQfinish(m_conn);
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
        pq().PQfinish(m_conn);
        m_conn = nullptr;
    }
    m_limits = limits;
    m_fault = ServerFault::None;
    m_problem.clear();
    if (!pq().loaded()) {
        m_fault = ServerFault::NoClientLibrary;
        m_problem = pq().problem;
        return false;
    }

    const QByteArray timeout = QByteArray::number(qMax<qint64>(2, limits.connect.count()));
    const QByteArray userTimeout = QByteArray::number(qint64(limits.statement.count()) * 1000);
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
    pg_conn* conn = pq().PQconnectStartParams(keywords, values, 1);
    if (!conn) {
        m_fault = ServerFault::Other;
        m_problem = QStringLiteral("out of memory");
        return false;
    }

    const Clock::time_point deadline = Clock::now() + limits.connect;
    PostgresPollingStatusType polling = PGRES_POLLING_WRITING;
    while (pq().PQstatus(conn) != CONNECTION_BAD && polling != PGRES_POLLING_OK &&
           polling != PGRES_POLLING_FAILED) {
        if (!waitForSocket(pq().PQsocket(conn), polling == PGRES_POLLING_WRITING, deadline)) {
            pq().PQfinish(conn);
            m_fault = ServerFault::TimedOut;
            m_problem =
                QStringLiteral("no answer from the server within %1 seconds").arg(limits.connect.count());
            return false;
        }
        polling = pq().PQconnectPoll(conn);
    }
    if (pq().PQstatus(conn) != CONNECTION_OK) {
        m_problem = trimmedMessage(pq().PQerrorMessage(conn));
        m_fault = faultOfLogin(conn, m_problem);
        pq().PQfinish(conn);
        return false;
    }
    if (pq().PQsetClientEncoding(conn, "UTF8") != 0) {
        m_problem = trimmedMessage(pq().PQerrorMessage(conn));
        m_fault = ServerFault::Other;
        pq().PQfinish(conn);
        return false;
    }
    m_conn = conn;
    return true;
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
    const bool sent =
        pq().PQsendQueryParams(m_conn, sql.toUtf8().constData(), static_cast<int>(pointers.size()), nullptr,
                               pointers.data(), nullptr, nullptr, 0) == 1;
    return await(sent);
}

PgResult PgConnection::execScript(const QString& sql) {
    if (!m_conn)
        return await(false);
    return await(pq().PQsendQuery(m_conn, sql.toUtf8().constData()) == 1);
}

PgResult PgConnection::await(bool sent) {
    PgResult outcome;
    if (!m_conn) {
        outcome.m_fault = m_fault == ServerFault::None ? ServerFault::Unreachable : m_fault;
        outcome.m_problem = m_problem.isEmpty() ? QStringLiteral("not connected") : m_problem;
        return outcome;
    }
    if (!sent) {
        outcome.m_fault = ServerFault::Unreachable;
        outcome.m_problem = trimmedMessage(pq().PQerrorMessage(m_conn));
        return finish(std::move(outcome));
    }

    const Clock::time_point deadline = Clock::now() + m_limits.statement;
    const int socket = pq().PQsocket(m_conn);
    // Parameters too large for the socket's buffer are sent as the server takes them.
    for (int flushed = pq().PQflush(m_conn); flushed != 0; flushed = pq().PQflush(m_conn)) {
        if (flushed < 0 || !waitForSocket(socket, true, deadline) || !pq().PQconsumeInput(m_conn)) {
            outcome.m_fault = flushed < 0 ? ServerFault::Unreachable : ServerFault::TimedOut;
            outcome.m_problem = trimmedMessage(pq().PQerrorMessage(m_conn));
            return finish(std::move(outcome));
        }
    }
    for (;;) {
        while (pq().PQisBusy(m_conn)) {
            if (!waitForSocket(socket, false, deadline)) {
                outcome.m_fault = ServerFault::TimedOut;
                outcome.m_problem = QStringLiteral("no answer from the server within %1 seconds")
                                        .arg(m_limits.statement.count());
                // The session is left mid-statement; only a new one can be trusted.
                pq().PQfinish(m_conn);
                m_conn = nullptr;
                m_fault = outcome.m_fault;
                m_problem = outcome.m_problem;
                return outcome;
            }
            if (!pq().PQconsumeInput(m_conn)) {
                outcome.m_fault = ServerFault::Unreachable;
                outcome.m_problem = trimmedMessage(pq().PQerrorMessage(m_conn));
                return finish(std::move(outcome));
            }
        }
        pg_result* result = pq().PQgetResult(m_conn);
        if (!result)
            break;
        const ExecStatusType status = pq().PQresultStatus(result);
        const bool failed =
            status == PGRES_FATAL_ERROR || status == PGRES_BAD_RESPONSE || status == PGRES_NONFATAL_ERROR;
        if (failed && outcome.ok()) {
            const char* state = pq().PQresultErrorField(result, PG_DIAG_SQLSTATE);
            outcome.m_sqlState = state ? QString::fromLatin1(state) : QString();
            outcome.m_fault = faultOfState(outcome.m_sqlState);
            outcome.m_problem = trimmedMessage(pq().PQresultErrorMessage(result));
        }
        if (outcome.ok() || failed)
            outcome.m_result.reset(result);
        else
            pq().PQclear(result);
    }
    return finish(std::move(outcome));
}

PgResult PgConnection::finish(PgResult result) {
    if (m_conn && pq().PQstatus(m_conn) == CONNECTION_BAD) {
        if (result.ok() || result.m_fault == ServerFault::Other) {
            result.m_fault = ServerFault::Unreachable;
            if (result.m_problem.isEmpty())
                result.m_problem = trimmedMessage(pq().PQerrorMessage(m_conn));
        }
        pq().PQfinish(m_conn);
        m_conn = nullptr;
        m_fault = result.m_fault;
        m_problem = result.m_problem;
    }
    return result;
}

QString PgConnection::description() const {
    if (!m_conn)
        return {};
    const QString host = QString::fromUtf8(pq().PQhost(m_conn));
    const QString where = host.startsWith(QLatin1Char('/')) ? QStringLiteral("local") : host;
    return QStringLiteral("%1:%2/%3")
        .arg(where, QString::fromUtf8(pq().PQport(m_conn)), QString::fromUtf8(pq().PQdb(m_conn)));
}

std::optional<QByteArray> PgConnection::passwordVerifier(const QString& password, const QString& role) {
    if (!m_conn)
        return std::nullopt;
    char* verifier = pq().PQencryptPasswordConn(m_conn, password.toUtf8().constData(),
                                                role.toUtf8().constData(), "scram-sha-256");
    if (!verifier)
        return std::nullopt;
    QByteArray text(verifier);
    pq().PQfreemem(verifier);
    return text;
}

QString faultInWords(ServerFault fault) {
    switch (fault) {
    case ServerFault::None:
        return {};
    case ServerFault::Unreachable:
        return QStringLiteral(
            "the class server cannot be reached (it may be switched off, or the network is down)");
    case ServerFault::TimedOut:
        return QStringLiteral("the class server did not answer in time");
    case ServerFault::WrongPassword:
        return QStringLiteral("the class server did not accept your login (ask your teacher to check your "
                              "password)");
    case ServerFault::Refused:
        return QStringLiteral("the class server refused the answers (ask your teacher to check your class "
                              "login)");
    case ServerFault::NoClientLibrary:
        return QStringLiteral("the PostgreSQL client library is missing on this computer");
    case ServerFault::Other:
        break;
    }
    return QStringLiteral("the class server reported a problem");
}

} // namespace tonalyst
