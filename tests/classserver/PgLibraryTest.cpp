#include "classserver/PgLibrary.h"
#include "classserver/PgConnection.h"

#include <gtest/gtest.h>

namespace tonalyst::test {
namespace {

// The client library is opened only when a class server is first used; when it is
// missing or is not libpq, the student is told so instead of the program failing.
TEST(PgLibraryTest, OpensTheClientLibraryOrSaysWhyNot) {
    const PgLibrary& shared = PgLibrary::shared();
    EXPECT_TRUE(shared.loaded()) << shared.problem.toStdString();
    EXPECT_NE(shared.PQconnectStartParams, nullptr);
    EXPECT_NE(shared.PQfreemem, nullptr);

    const PgLibrary missing = PgLibrary::load("libpq-absent.so.5");
    EXPECT_FALSE(missing.loaded());
    EXPECT_TRUE(
        missing.problem.contains(QLatin1String("PostgreSQL client library libpq-absent.so.5 is missing")))
        << missing.problem.toStdString();

    const PgLibrary foreign = PgLibrary::load("libc.so.6");
    EXPECT_FALSE(foreign.loaded());
    EXPECT_TRUE(foreign.problem.contains(QLatin1String("PQconnectStartParams")))
        << foreign.problem.toStdString();

    EXPECT_TRUE(
        faultInWords(ServerFault::NoClientLibrary).contains(QLatin1String("PostgreSQL client library")));
}

} // namespace
} // namespace tonalyst::test
