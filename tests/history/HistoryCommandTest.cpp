#include "history/HistoryCommand.h"
#include "history/HistoryStore.h"
#include "history/WeakSpotHistory.h"
#include "worksheet/WorksheetCommand.h"

#include "HistoryTestKit.h"
#include "support/FakeClock.h"
#include "support/TempLocations.h"

#include <QBuffer>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <tuple>

namespace tonalyst::test {
namespace {

class HistoryCommandTest : public ::testing::Test {
protected:
    int run(const QStringList& args) {
        output.close();
        output.setData({});
        output.open(QIODevice::WriteOnly);
        errors.clear();
        QTextStream err(&errors);
        return runHistoryCommand(args + QStringList{QStringLiteral("--data-dir"), files.dataDir()}, output,
                                 err, clock);
    }

    void store(const std::vector<AnswerRecord>& answers) {
        HistoryStore history(HistoryStore::pathIn(files.dataDir()));
        QString notice;
        ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice));
        QString error;
        ASSERT_TRUE(history.append(answers, error)) << error.toStdString();
    }

    TempLocations files;
    // The day after the tests' last answer (the history's days are UTC days).
    FakeClock clock{QDateTime(QDate(2026, 3, 4), QTime(20, 0), Qt::UTC)};
    QBuffer output;
    QString errors;
};

TEST_F(HistoryCommandTest, WritesTheUsersAnswersAsCsvOrJsonLines) {
    store({answerAt(QStringLiteral("AB"), utc(1, 9)), answerAt(QStringLiteral("AB"), utc(2, 9), false),
           answerAt(QStringLiteral("CD"), utc(2, 9)), answerAt(QStringLiteral("AB"), utc(3, 9))});
    ASSERT_EQ(run({QStringLiteral("--user"), QStringLiteral("AB"), QStringLiteral("--csv")}), 0)
        << errors.toStdString();
    EXPECT_EQ(output.data().count("\r\n"), 4);
    EXPECT_TRUE(output.data().startsWith("answer_id,"));
    ASSERT_EQ(run({QStringLiteral("--user"), QStringLiteral("AB"), QStringLiteral("--from"),
                   QStringLiteral("2026-03-02"), QStringLiteral("--to"), QStringLiteral("2026-03-02"),
                   QStringLiteral("--json")}),
              0);
    EXPECT_EQ(output.data().count('\n'), 1);
    EXPECT_TRUE(output.data().contains("\"result\":\"wrong\""));
    ASSERT_EQ(run({QStringLiteral("--json"), QStringLiteral("--answers"), QStringLiteral("2"),
                   QStringLiteral("--user"), QStringLiteral("AB")}),
              0);
    EXPECT_EQ(output.data().count('\n'), 2);
    EXPECT_TRUE(output.data().contains("2026-03-03T09"));
    // --last counts days, today's included, as in every other command: the 3rd and the 4th.
    ASSERT_EQ(run({QStringLiteral("--json"), QStringLiteral("--last"), QStringLiteral("2"),
                   QStringLiteral("--user"), QStringLiteral("AB")}),
              0);
    EXPECT_EQ(output.data().count('\n'), 1);
    EXPECT_TRUE(output.data().contains("2026-03-03T09"));
}

TEST_F(HistoryCommandTest, BadOptionsEndWithStatusTwo) {
    const QStringList user{QStringLiteral("--user"), QStringLiteral("AB")};
    EXPECT_EQ(run(user + QStringList{QStringLiteral("--csv"), QStringLiteral("--last"),
                                     QStringLiteral("notanumber")}),
              2);
    EXPECT_TRUE(errors.contains(QStringLiteral("--last")));
    EXPECT_EQ(run(user + QStringList{QStringLiteral("--csv"), QStringLiteral("--colour")}), 2);
    EXPECT_EQ(run(user), 2);
    EXPECT_EQ(run({QStringLiteral("--csv")}), 2);
    EXPECT_EQ(run(user + QStringList{QStringLiteral("--csv"), QStringLiteral("--json")}), 2);
    EXPECT_EQ(run(user + QStringList{QStringLiteral("--csv"), QStringLiteral("--from"),
                                     QStringLiteral("2026-13-01")}),
              2);
    EXPECT_EQ(output.data(), QByteArray());
    // No history yet: a header and nothing more.
    EXPECT_EQ(run(user + QStringList{QStringLiteral("--csv")}), 0);
    EXPECT_EQ(output.data().count("\r\n"), 1);
}

TEST_F(HistoryCommandTest, AWorksheetAimsAtTheStudentsFailedChordWithTheSameSeedTheSameSheet) {
    const auto sheet = [&](const std::vector<std::string>& extra) {
        std::vector<std::string> args{"--activity", "chord-id", "--count", "400",    "--seed",
                                      "7",          "--json",   "--keys",  "C/a,G/e"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out, err;
        HistoryWeakSpots weakSpots;
        EXPECT_EQ(runWorksheetCommand(args, out, err, nullptr, &weakSpots), 0) << err.str();
        return out.str();
    };
    const auto count = [](const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    };
    const std::string plain = sheet({});
    AnswerRecord failed = answerAt(QStringLiteral("AB"), utc(1, 9), false);
    failed.activity = QStringLiteral("identify");
    failed.category = QStringLiteral("Triad :");
    failed.item = QStringLiteral("iii");
    store({failed});
    const std::vector<std::string> favor{"--favor-weak-spots", "--user", "AB", "--data-dir",
                                         files.dataDir().toStdString()};
    const std::string favored = sheet(favor);
    EXPECT_EQ(sheet(favor), favored);
    EXPECT_GE(count(favored, "\"name\":\"iii\""), 2 * count(plain, "\"name\":\"iii\""));

    std::ostringstream out, err;
    HistoryWeakSpots weakSpots;
    EXPECT_EQ(runWorksheetCommand({"--favor-weak-spots"}, out, err, nullptr, &weakSpots), 2);
    EXPECT_EQ(runWorksheetCommand({"--user", "AB"}, out, err, nullptr, &weakSpots), 2);
}

TEST_F(HistoryCommandTest, AHistoryThatCannotBeReadWholeIsAnErrorNotAShortAnswer) {
    const QString path = HistoryStore::pathIn(files.dataDir());
    const auto newer = [&path] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99"));
        db.close();
    };
    const std::vector<std::tuple<const char*, std::function<void()>, QString>> cases{
        {"a page halfway through", [&] { damagePageHolding(path, "asked-01000;"); },
         QStringLiteral("is damaged")},
        {"its first page", [&] { damagePageHolding(path, "SQLite format 3"); }, QStringLiteral("is damaged")},
        {"made by a newer Tonalyst", newer, QStringLiteral("was made by a newer version of Tonalyst")},
        {"a folder in its place",
         [&] {
             QFile::remove(path);
             QDir().mkpath(path);
         },
         QStringLiteral("cannot be read: it is a folder")},
    };
    for (const auto& [what, spoil, said] : cases) {
        SCOPED_TRACE(what);
        QDir(path).removeRecursively();
        QFile::remove(path);
        fillHistory(path, QStringLiteral("AB"), 2000);
        spoil();
        EXPECT_EQ(run({QStringLiteral("--user"), QStringLiteral("AB"), QStringLiteral("--csv")}), 1);
        EXPECT_TRUE(errors.contains(said)) << errors.toStdString();

        std::ostringstream out, err;
        HistoryWeakSpots weakSpots;
        EXPECT_EQ(runWorksheetCommand({"--activity", "chord-id", "--favor-weak-spots", "--user", "AB",
                                       "--data-dir", files.dataDir().toStdString()},
                                      out, err, nullptr, &weakSpots),
                  1);
        EXPECT_NE(err.str().find(said.toStdString()), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty());
    }

    // Weak spots of a student who has never answered cannot be known either.
    QDir(path).removeRecursively();
    std::ostringstream out, err;
    HistoryWeakSpots weakSpots;
    EXPECT_EQ(runWorksheetCommand({"--activity", "chord-id", "--favor-weak-spots", "--user", "AB",
                                   "--data-dir", files.dataDir().toStdString()},
                                  out, err, nullptr, &weakSpots),
              1);
    EXPECT_NE(err.str().find("no answer history"), std::string::npos) << err.str();
}

} // namespace
} // namespace tonalyst::test
