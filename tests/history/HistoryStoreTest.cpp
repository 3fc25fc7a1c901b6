#include "history/HistoryStore.h"
#include "history/HistorySchema.h"

#include "HistoryTestKit.h"
#include "support/TempLocations.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace tonalyst::test {
namespace {

class HistoryStoreTest : public ::testing::Test {
protected:
    QString path() const { return HistoryStore::pathIn(files.dataDir()); }

    TempLocations files;
};

QStringList ids(const std::vector<AnswerRecord>& answers) {
    QStringList list;
    for (const AnswerRecord& a : answers)
        list << a.answerId;
    return list;
}

TEST_F(HistoryStoreTest, AnswersComeBackWholeByUserDatesAndLatest) {
    HistoryStore history(path());
    QString notice;
    ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
    EXPECT_TRUE(notice.isEmpty());
    EXPECT_TRUE(history.isEmpty());

    AnswerRecord quoted = answerAt(QStringLiteral("O'Brien, \"Bo\""), utc(2, 23, 59), false);
    quoted.given = QStringLiteral("Ab4 C5 E5");
    quoted.attempt = 2;
    quoted.inDataFile = false;
    // Stored out of time order, and two in the same millisecond.
    const std::vector<AnswerRecord> stored{
        answerAt(QStringLiteral("AB"), utc(3, 10)), quoted, answerAt(QStringLiteral("AB"), utc(1, 9)),
        answerAt(QStringLiteral("AB"), utc(3, 10)), answerAt(QStringLiteral("AB"), utc(5, 0))};
    QString error;
    ASSERT_TRUE(history.append(stored, error)) << error.toStdString();
    EXPECT_FALSE(history.isEmpty());

    const std::vector<AnswerRecord> all = history.answers({QStringLiteral("AB"), {}, {}, {}});
    EXPECT_EQ(ids(all),
              (QStringList{stored[2].answerId, stored[0].answerId, stored[3].answerId, stored[4].answerId}));
    EXPECT_EQ(all[1], stored[0]);

    const std::vector<AnswerRecord> theirs = history.answers({quoted.userId, {}, {}, {}});
    ASSERT_EQ(theirs.size(), 1u);
    EXPECT_EQ(theirs[0], quoted);

    // Both days included; the last minute of a day belongs to it.
    EXPECT_EQ(ids(history.answers({QStringLiteral("AB"), QDate(2026, 3, 2), QDate(2026, 3, 3), {}})),
              (QStringList{stored[0].answerId, stored[3].answerId}));
    EXPECT_EQ(ids(history.answers({quoted.userId, QDate(2026, 3, 2), QDate(2026, 3, 2), {}})),
              QStringList{quoted.answerId});
    EXPECT_EQ(ids(history.answers({QStringLiteral("AB"), {}, {}, 2})),
              (QStringList{stored[3].answerId, stored[4].answerId}));
    EXPECT_EQ(ids(history.answers({QStringLiteral("AB"), QDate(2026, 3, 1), QDate(2026, 3, 3), 1})),
              QStringList{stored[3].answerId});
    EXPECT_TRUE(history.answers({QStringLiteral("ab"), {}, {}, {}}).empty());

    // An answer pushed twice is stored once.
    ASSERT_TRUE(history.append({stored[0]}, error));
    EXPECT_EQ(history.answers({QStringLiteral("AB"), {}, {}, {}}).size(), 4u);
}

TEST_F(HistoryStoreTest, FactsAreTheStudentsOwnWithinTheBoundsAndTheLatestComeOldestFirst) {
    HistoryStore history(path());
    QString notice;
    ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
    const QString quotedUser = QStringLiteral("O'Brien, \"Bo\" ''");
    AnswerRecord imported = answerAt(quotedUser, utc(2, 10));
    imported.imported = true;
    imported.method = QStringLiteral("test");
    imported.given.clear();
    imported.right.clear();
    AnswerRecord retry = answerAt(quotedUser, utc(3, 0, 0), false);
    retry.inDataFile = false;
    retry.attempt = 2;
    retry.seconds = 12;
    const std::vector<AnswerRecord> stored{retry, answerAt(QStringLiteral("AB"), utc(2, 12)), imported,
                                           answerAt(quotedUser, utc(1, 9)),
                                           answerAt(quotedUser, utc(4, 9), false)};
    QString error;
    ASSERT_TRUE(history.append(stored, error)) << error.toStdString();

    const auto factsBetween = [&](std::optional<QDateTime> from, std::optional<QDateTime> to) {
        std::vector<qint64> times;
        EXPECT_TRUE(history.readFacts(quotedUser, from, to, [&](const AnswerFacts& facts) {
            times.push_back(facts.answeredSecs);
            const auto same = std::find_if(stored.begin(), stored.end(), [&](const AnswerRecord& record) {
                return record.userId == quotedUser &&
                       record.answeredUtc.toSecsSinceEpoch() == facts.answeredSecs;
            });
            ASSERT_NE(same, stored.end());
            const AnswerFacts expected = factsOf(*same);
            EXPECT_EQ(std::tie(facts.method, facts.activity, facts.category, facts.key, facts.item,
                               facts.right, facts.given, facts.correct, facts.attempt, facts.seconds,
                               facts.inDataFile, facts.imported),
                      std::tie(expected.method, expected.activity, expected.category, expected.key,
                               expected.item, expected.right, expected.given, expected.correct,
                               expected.attempt, expected.seconds, expected.inDataFile, expected.imported));
        }));
        std::sort(times.begin(), times.end());
        return times;
    };
    const auto secs = [](const QDateTime& time) { return time.toSecsSinceEpoch(); };
    EXPECT_EQ(factsBetween({}, {}),
              (std::vector<qint64>{secs(utc(1, 9)), secs(utc(2, 10)), secs(utc(3, 0)), secs(utc(4, 9))}));
    // From included, to left out.
    EXPECT_EQ(factsBetween(utc(2, 10), utc(4, 9)), (std::vector<qint64>{secs(utc(2, 10)), secs(utc(3, 0))}));
    EXPECT_EQ(factsBetween({}, utc(2, 10)), std::vector<qint64>{secs(utc(1, 9))});

    const std::vector<AnswerFacts> latest = history.latestFacts(quotedUser, 3, error).value();
    ASSERT_EQ(latest.size(), 3u);
    EXPECT_EQ(latest[0].answeredSecs, secs(utc(2, 10)));
    EXPECT_TRUE(latest[0].imported);
    EXPECT_EQ(latest[1].seconds, 12);
    EXPECT_EQ(latest[1].attempt, 2);
    EXPECT_FALSE(latest[2].correct);
    EXPECT_TRUE(history.latestFacts(QStringLiteral("O'Brien"), 3, error).value().empty());
}

TEST_F(HistoryStoreTest, TheClassServerTakesEachOfTheStudentsOwnAnswersOnce) {
    HistoryStore history(path());
    QString notice;
    ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice));
    std::vector<AnswerRecord> stored;
    for (int i = 0; i < 5; ++i)
        stored.push_back(answerAt(QStringLiteral("AB"), utc(1, 9 + i)));
    // Another student of the same computer, and the data file's past brought in as a
    // summary: neither goes out with AB's push.
    AnswerRecord other = answerAt(QStringLiteral("CD"), utc(1, 10));
    AnswerRecord summary = answerAt(QStringLiteral("AB"), utc(1, 8));
    summary.imported = true;
    QString error;
    ASSERT_TRUE(history.append(stored, error));
    ASSERT_TRUE(history.append({other, summary}, error));
    EXPECT_EQ(history.unsentCount(QStringLiteral("AB")), 5);
    EXPECT_EQ(history.unsentCount(QStringLiteral("CD")), 1);
    const std::vector<AnswerRecord> first = history.unsent(QStringLiteral("AB"), 3);
    EXPECT_EQ(ids(first), (QStringList{stored[0].answerId, stored[1].answerId, stored[2].answerId}));
    ASSERT_TRUE(history.markSent(ids(first)));
    EXPECT_EQ(history.unsentCount(QStringLiteral("AB")), 2);
    EXPECT_EQ(ids(history.unsent(QStringLiteral("AB"), 10)),
              (QStringList{stored[3].answerId, stored[4].answerId}));
    EXPECT_EQ(ids(history.unsent(QStringLiteral("CD"), 10)), QStringList{other.answerId});

    // A second connection sees the same, through the write-ahead log.
    HistoryStore reader(path());
    ASSERT_TRUE(reader.open(HistoryStore::Access::ReadOnly, notice)) << notice.toStdString();
    EXPECT_EQ(reader.unsentCount(QStringLiteral("AB")), 2);
    EXPECT_EQ(reader.answers({QStringLiteral("AB"), {}, {}, {}}).size(), 6u);
}

TEST_F(HistoryStoreTest, StaysInWriteAheadLogMode) {
    {
        HistoryStore history(path());
        QString notice;
        ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice));
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("wal-check"));
    db.setDatabaseName(path());
    ASSERT_TRUE(db.open());
    {
        QSqlQuery mode(db);
        ASSERT_TRUE(mode.exec(QStringLiteral("PRAGMA journal_mode")) && mode.next());
        EXPECT_EQ(mode.value(0).toString(), QStringLiteral("wal"));
        EXPECT_EQ(historySchemaVersion(db), kHistorySchemaVersion);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("wal-check"));
}

TEST_F(HistoryStoreTest, AHistoryOfTheFirstSchemaIsUpgradedWithItsAnswers) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("step1"));
        db.setDatabaseName(path());
        ASSERT_TRUE(db.open());
        QString error;
        ASSERT_TRUE(migrateHistory(db, 1, error)) << error.toStdString();
        EXPECT_EQ(historySchemaVersion(db), 1);
        QSqlQuery insert(db);
        ASSERT_TRUE(insert.exec(QStringLiteral(
            "INSERT INTO answers VALUES ('id-1', '2026-03-01T09:00:00.000Z', 'AB', 'r', 'test', 'identify', "
            "'0', 'Seventh :', 2, 'D major', 'V7', 'first inversion', 'C#4 E4 G4 A4', 'Seventh : / V7', "
            "'Seventh : / V7', 1, 1, 12, 1, 0)")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("step1"));

    HistoryStore history(path());
    QString notice;
    ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
    EXPECT_TRUE(notice.isEmpty());
    const std::vector<AnswerRecord> answers = history.answers({QStringLiteral("AB"), {}, {}, {}});
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].item, QStringLiteral("V7"));
    EXPECT_EQ(answers[0].answeredUtc, QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC));
    EXPECT_TRUE(answers[0].correct);
    // Answers from before the class server knew of them are still to be sent.
    EXPECT_EQ(history.unsentCount(QStringLiteral("AB")), 1);
}

TEST_F(HistoryStoreTest, ADamagedFileIsSetAsideAndANewHistoryStarted) {
    QFile garbage(path());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("this is no database, just words in a file named like one\n").repeated(200));
    garbage.close();

    HistoryStore history(path());
    QString notice;
    ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice));
    EXPECT_TRUE(notice.contains(QStringLiteral("was damaged"))) << notice.toStdString();
    const QStringList aside =
        QDir(files.dataDir()).entryList({QStringLiteral("history.sqlite.damaged-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(notice.contains(aside[0]));
    QFile kept(QDir(files.dataDir()).filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().startsWith("this is no database"));

    QString error;
    ASSERT_TRUE(history.append({answerAt(QStringLiteral("AB"), utc(1, 9))}, error));
    HistoryStore again(path());
    QString second;
    ASSERT_TRUE(again.open(HistoryStore::Access::ReadWrite, second));
    EXPECT_TRUE(second.isEmpty()) << second.toStdString();
    EXPECT_EQ(again.answers({QStringLiteral("AB"), {}, {}, {}}).size(), 1u);
}

TEST_F(HistoryStoreTest, AHistoryThatCannotBeMadeSaysSoAndStoresNothing) {
    // A folder where the file should be: nothing can be opened there, nothing renamed.
    ASSERT_TRUE(QDir(files.dataDir()).mkdir(HistoryStore::fileName()));
    HistoryStore history(path());
    QString notice;
    EXPECT_FALSE(history.open(HistoryStore::Access::ReadWrite, notice));
    EXPECT_TRUE(notice.contains(QStringLiteral("cannot be written: it is a folder"))) << notice.toStdString();
    QString error;
    EXPECT_FALSE(history.append({answerAt(QStringLiteral("AB"), utc(1, 9))}, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(history.answers({QStringLiteral("AB"), {}, {}, {}}).empty());
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

} // namespace
} // namespace tonalyst::test
