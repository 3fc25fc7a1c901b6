#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

struct pg_conn;
struct pg_result;

namespace tonalyst {

// Why talking to the class server failed, in the kinds a student can be told about.
enum class ServerFault {
    None,
    Unreachable,     // no server answered at that address, or the network is gone
    TimedOut,        // a server took the connection but did not answer in time
    WrongPassword,   // the server refused the login
    Refused,         // the server refused what was asked (rights, a broken rule)
    Stopped,         // Tonalyst itself stopped the call (it is quitting)
    Other,
};

// A statement's outcome: its rows as text, or why it failed.
class PgResult {
public:
    PgResult() = default;
    PgResult(const PgResult&) = delete;
    PgResult& operator=(const PgResult&) = delete;
    PgResult(PgResult&&) noexcept = default;
    PgResult& operator=(PgResult&&) noexcept = default;

    bool ok() const { return m_fault == ServerFault::None; }
    ServerFault fault() const { return m_fault; }
    const QString& problem() const { return m_problem; }
    const QString& sqlState() const { return m_sqlState; }

    int rows() const;
    int columns() const;
    bool isNull(int row, int column) const;
    QString text(int row, int column) const;
    qint64 number(int row, int column) const;
    bool flag(int row, int column) const;
    qint64 affectedRows() const;

private:
    friend class PgConnection;
    struct Clear {
        void operator()(pg_result* result) const;
    };
    std::unique_ptr<pg_result, Clear> m_result;
    ServerFault m_fault = ServerFault::None;
    QString m_problem;
    QString m_sqlState;
};

// One libpq connection. The server is named the PostgreSQL way: a URI
// ("postgresql://host/db"), key=value settings ("host=... dbname=..."), or a bare service
// name from the service file; passwords come from ~/.pgpass or the service file, never
// from Tonalyst. Every wait on the server is bounded: connecting by the connect timeout,
// each statement by the statement deadline, so a server that goes silent ends the call
// with a fault instead of hanging.
//
// The server bounds the session too: a session left inside a transaction by a cut
// connection ends after `idleInTransaction`, releasing its locks, and a statement waits
// for another session's locks no longer than `lock`. A push that meets the locks of a
// cut push therefore waits until that session is gone, and no longer. Every session
// names objects only in pg_catalog and Tonalyst's own schema, so nothing another user
// creates in a shared schema is ever run by it.
class PgConnection {
public:
    struct Limits {
        std::chrono::milliseconds connect{std::chrono::seconds(5)};
        std::chrono::milliseconds statement{std::chrono::seconds(20)};
        std::chrono::milliseconds lock{std::chrono::seconds(15)};
        std::chrono::milliseconds idleInTransaction{std::chrono::seconds(10)};
    };

    PgConnection();
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // False, with fault() and problem() saying why, when no session could be opened.
    bool open(const QString& server, Limits limits);
    bool open(const QString& server) { return open(server, Limits{}); }
    bool isOpen() const { return m_conn != nullptr; }
    // Once `stop` turns true, the call in progress and every later one ends at once with
    // ServerFault::Stopped; a statement running on the server is cancelled there.
    void stopWhen(const std::atomic<bool>* stop) { m_stop = stop; }
    ServerFault fault() const { return m_fault; }
    const QString& problem() const { return m_problem; }

    // Runs one statement with bound text parameters (a null QString binds NULL).
    PgResult exec(const QString& sql, const QStringList& parameters = {});
    // Runs statements that take no parameters, several separated by semicolons.
    PgResult execScript(const QString& sql);

    // The server as a person may be told it: host, port and database, no password.
    QString description() const;
    // A password verifier the server stores in place of the password itself.
    std::optional<QByteArray> passwordVerifier(const QString& password, const QString& role);

    // The connection settings as libpq reads them: a bare word is a service name.
    static QString connectionText(const QString& server);

private:
    PgResult finish(PgResult result);
    PgResult await(bool sent);
    bool fixSession();
    PgResult abandon(ServerFault fault, const QString& problem);

    pg_conn* m_conn = nullptr;
    const std::atomic<bool>* m_stop = nullptr;
    Limits m_limits;
    ServerFault m_fault = ServerFault::None;
    QString m_problem;
};

// What a fault means, in words a student understands.
QString faultInWords(ServerFault fault);

} // namespace tonalyst
