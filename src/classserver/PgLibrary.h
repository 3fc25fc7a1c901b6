#pragma once

#include <libpq-fe.h>

#include <QString>

namespace tonalyst {

// The PostgreSQL client library, opened when the class server is first used: it brings
// some twenty libraries with it (Kerberos, LDAP, TLS), and loading them at launch held up
// the start for students who never use a class server. Only the functions Tonalyst calls
// are resolved; the headers still give their types and constants.
// clang-format off
#define TONALYST_PQ_FUNCTIONS(X) \
    X(PQconnectStartParams) \
    X(PQconnectPoll) \
    X(PQconnectionNeedsPassword) \
    X(PQstatus) \
    X(PQsocket) \
    X(PQerrorMessage) \
    X(PQsetClientEncoding) \
    X(PQsetnonblocking) \
    X(PQfinish) \
    X(PQsendQueryParams) \
    X(PQsendQuery) \
    X(PQflush) \
    X(PQconsumeInput) \
    X(PQisBusy) \
    X(PQgetResult) \
    X(PQresultStatus) \
    X(PQresultErrorField) \
    X(PQresultErrorMessage) \
    X(PQclear) \
    X(PQntuples) \
    X(PQnfields) \
    X(PQgetisnull) \
    X(PQgetvalue) \
    X(PQgetlength) \
    X(PQcmdTuples) \
    X(PQhost) \
    X(PQport) \
    X(PQdb) \
    X(PQencryptPasswordConn) \
    X(PQfreemem) \
    X(PQgetCancel) \
    X(PQcancel) \
    X(PQfreeCancel)
// clang-format on

struct PgLibrary {
#define TONALYST_PQ_DECLARE(name) decltype(&::name) name = nullptr;
    TONALYST_PQ_FUNCTIONS(TONALYST_PQ_DECLARE)
#undef TONALYST_PQ_DECLARE
    // Empty once every function is resolved; otherwise why the library cannot be used.
    QString problem;

    bool loaded() const {
        return problem.isEmpty();
    }

    // The library under the given file name; never closed, as its connections may outlive
    // whoever asked.
    static PgLibrary load(const char* fileName);
    // The library of the version Tonalyst was built against, opened by whichever thread
    // asks first.
    static const PgLibrary& shared();
};

} // namespace tonalyst
