#include "history/HistoryWriter.h"
#include "history/HistoryStore.h"
#include "history/WeakSpotHistory.h"

#include "HistoryTestKit.h"
#include "platform/Clock.h"
#include "records/PerformanceDataFile.h"
#include "support/FakeClock.h"
#include "support/TempLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tonalyst::test {
namespace {

class HistoryWriterTest : public ::testing::Test {
protected:
    QString historyPath() const { return HistoryStore::pathIn(files.dataDir()); }
    QString dataFile() const { return QDir(files.dataDir()).filePath(QStringLiteral("varen.dat")); }

    std::vector<AnswerRecord> stored(const QString& user) {
        HistoryStore history(historyPath());
        QString notice;
        EXPECT_TRUE(history.open(HistoryStore::Access::ReadOnly, notice)) << notice.toStdString();
        return history.answers({user, {}, {}, {}});
    }

    TempLocations files;
};

TEST_F(HistoryWriterTest, EveryAnswerHandedInIsStoredWithAnIdOfItsOwn) {
    QSet<QString> ids;
    {
        HistoryWriter writer(historyPath(), dataFile());
        for (int i = 0; i < 300; ++i) {
            AnswerRecord answer = answerAt(QStringLiteral("AB"), utc(1, 9).addSecs(i));
            answer.answerId.clear();
            answer.seconds = i;
            ids.insert(writer.record(answer));
        }
        writer.flush();
        EXPECT_EQ(stored(QStringLiteral("AB")).size(), 300u);
        writer.record(answerAt(QStringLiteral("AB"), utc(2, 9)));
    }
    EXPECT_EQ(ids.size(), 300);
    const std::vector<AnswerRecord> answers = stored(QStringLiteral("AB"));
    // The last one was stored before the writer went.
    ASSERT_EQ(answers.size(), 301u);
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(answers[static_cast<std::size_t>(i)].seconds, i);
        EXPECT_TRUE(ids.contains(answers[static_cast<std::size_t>(i)].answerId));
        EXPECT_FALSE(QUuid::fromString(answers[static_cast<std::size_t>(i)].answerId).isNull());
    }
}

TEST_F(HistoryWriterTest, WeakSpotsAreReadAfterTheAnswersQueuedBeforeAndWithoutThoseAfter) {
    const std::string fourth = weakSpotItem("spell", "Triad :", "IV");
    const std::string fifth = weakSpotItem("spell", "Triad :", "V");
    HistoryWriter writer(historyPath(), dataFile());
    writer.record(answerAt(QStringLiteral("AB"), utc(1, 9), false));
    QFuture<WeakSpotSchedule> read = writer.readWeakSpots(QStringLiteral("AB"));
    AnswerRecord later = answerAt(QStringLiteral("AB"), utc(1, 10), false);
    later.item = QStringLiteral("V");
    writer.record(later);

    const WeakSpotSchedule before = read.result();
    EXPECT_EQ(before.weight(fourth), WeakSpotSchedule::kBoxWeights[0]);
    EXPECT_EQ(before.weight(fifth), 1.0);
    const WeakSpotSchedule after = writer.readWeakSpots(QStringLiteral("AB")).result();
    EXPECT_EQ(after.weight(fifth), WeakSpotSchedule::kBoxWeights[0]);
    EXPECT_TRUE(writer.readWeakSpots(QStringLiteral("CD")).result().empty());
    // The same as a separate reader of the file finds.
    EXPECT_EQ(readWeakSpots(historyPath(), QStringLiteral("AB")).weight(fifth), WeakSpotSchedule::kBoxWeights[0]);
}

TEST_F(HistoryWriterTest, TheDataFileIsBroughtInOnceAsSummaries) {
    FakeClock clock(QDateTime(QDate(2026, 2, 14), QTime(15, 0)));
    PerformanceDataFile records(files, clock);
    ASSERT_TRUE(records.ensureseal().written);
    std::vector<PendingRecord> run{{"test", "identify", "0", "Seventh :", 12, 1, 2},
                                   {"test", "identify", "0", "V7 of", 30, 0, 4}};
    ASSERT_TRUE(records.writePending(QStringLiteral("AB"), run).written);
    clock.advanceSeconds(86400);
    ASSERT_TRUE(
        records.writePending(QStringLiteral("CD"), {{"practice", "keysigid", "-1", "minor :", 5, 1, 6}})
            .written);
    {
        QFile file(dataFile());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("not a record\r\n");
    }

    {
        HistoryWriter writer(historyPath(), dataFile());
        QSignalSpy notices(&writer, &HistoryWriter::notice);
        writer.flush();
        QCoreApplication::processEvents();
        EXPECT_EQ(notices.count(), 0);
    }
    const std::vector<AnswerRecord> ab = stored(QStringLiteral("AB"));
    ASSERT_EQ(ab.size(), 2u);
    EXPECT_TRUE(ab[0].imported);
    EXPECT_TRUE(ab[0].inDataFile);
    EXPECT_EQ(ab[0].method, QStringLiteral("test"));
    EXPECT_EQ(ab[0].activity, QStringLiteral("identify"));
    EXPECT_EQ(ab[0].inversions, QStringLiteral("0"));
    EXPECT_EQ(ab[0].category, QStringLiteral("Seventh :"));
    EXPECT_EQ(ab[0].seconds, 12);
    EXPECT_TRUE(ab[0].correct);
    EXPECT_EQ(ab[0].accidentals, 2);
    EXPECT_FALSE(ab[1].correct);
    EXPECT_TRUE(ab[0].given.isEmpty() && ab[0].right.isEmpty() && ab[0].asked.isEmpty());
    EXPECT_EQ(ab[0].answeredUtc.toLocalTime().date(), QDate(2026, 2, 14));
    EXPECT_EQ(ab[0].runId, ab[1].runId);
    EXPECT_NE(ab[0].answerId, ab[1].answerId);
    const std::vector<AnswerRecord> cd = stored(QStringLiteral("CD"));
    ASSERT_EQ(cd.size(), 1u);
    EXPECT_EQ(cd[0].answeredUtc.toLocalTime().date(), QDate(2026, 2, 15));

    // The next start finds a history and brings in nothing more.
    {
        HistoryWriter writer(historyPath(), dataFile());
        writer.record(answerAt(QStringLiteral("AB"), utc(20, 9)));
    }
    EXPECT_EQ(stored(QStringLiteral("AB")).size(), 3u);
}

TEST_F(HistoryWriterTest, AHistoryThatCannotBeWrittenIsToldOnceAndTheWriterGoesOn) {
    ASSERT_TRUE(QDir(files.dataDir()).mkdir(HistoryStore::fileName()));
    HistoryWriter writer(historyPath(), dataFile());
    QSignalSpy notices(&writer, &HistoryWriter::notice);
    for (int i = 0; i < 3; ++i) {
        writer.record(answerAt(QStringLiteral("AB"), utc(1, 9 + i)));
        writer.flush();
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(notices.count(), 1);
    EXPECT_TRUE(notices[0][0].toString().contains(QStringLiteral("cannot be written")));
}

} // namespace
} // namespace tonalyst::test
