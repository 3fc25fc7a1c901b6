#include "history/HistoryWriter.h"
#include "activities/ActivityRegistry.h"
#include "history/HistoryStore.h"
#include "history/WeakSpotHistory.h"

#include "HistoryTestKit.h"
#include "platform/Clock.h"
#include "records/PerformanceDataFile.h"
#include "records/PerformanceRecord.h"
#include "support/FakeClock.h"
#include "support/TempLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/resource.h>

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

    // What the student is told when a writer starts on this folder and finishes its first work.
    QStringList noticesOfAStart() {
        HistoryWriter writer(historyPath(), dataFile());
        QSignalSpy notices(&writer, &HistoryWriter::notice);
        writer.start();
        writer.flush();
        QCoreApplication::processEvents();
        QStringList told;
        for (const QList<QVariant>& notice : notices)
            told << notice[0].toString();
        return told;
    }

    TempLocations files;
};

TEST_F(HistoryWriterTest, EveryAnswerHandedInIsStoredWithAnIdOfItsOwn) {
    QSet<QString> ids;
    {
        HistoryWriter writer(historyPath(), dataFile());
        writer.start();
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
    writer.start();
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
    QString error;
    EXPECT_EQ(readWeakSpots(historyPath(), QStringLiteral("AB"), error).value().weight(fifth),
              WeakSpotSchedule::kBoxWeights[0]);
}

TEST(WeakSpotHistory, AnswersHeardInAKeyMakeEachWrongNameAWeakSpotRatherThanTheWhole) {
    if (!activityOfRecord("progression", "major"))
        GTEST_SKIP() << "the Progressions activity is not registered";
    AnswerRecord heard = answerAt(QStringLiteral("AB"), utc(1, 9), false);
    heard.activity = QStringLiteral("progression");
    heard.category = QStringLiteral("major");
    heard.item = heard.right = QStringLiteral("I, vi, ♭VI, V");
    heard.given = QStringLiteral("I, IV, ♭VI, V");
    WeakSpotSchedule schedule;
    learnFrom(schedule, factsOf(heard));
    const auto weight = [&](const char* name) {
        return schedule.weight(weakSpotItem("progression", "major", name));
    };
    EXPECT_EQ(weight("vi"), WeakSpotSchedule::kBoxWeights[0]);
    for (const char* right : {"I", "♭VI", "V", "IV", "I, vi, ♭VI, V"})
        EXPECT_EQ(weight(right), 1.0) << right;
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
    QFile file(dataFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();

    // Read as the report reads them: a byte-order mark, and lines ended any way it takes.
    const std::vector<std::pair<const char*, QByteArray>> shapes{
        {"as written", written},
        {"CR only, with a byte-order mark", "\xEF\xBB\xBF" + QByteArray(written).replace("\r\n", "\r")},
        {"LF only, with a byte-order mark", "\xEF\xBB\xBF" + QByteArray(written).replace("\r\n", "\n")}};
    for (const auto& [shape, bytes] : shapes) {
        SCOPED_TRACE(shape);
        QFile::remove(historyPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_TRUE(noticesOfAStart().isEmpty());
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
    }

    // The next start finds a history and brings in nothing more.
    {
        HistoryWriter writer(historyPath(), dataFile());
        writer.start();
        writer.record(answerAt(QStringLiteral("AB"), utc(20, 9)));
    }
    EXPECT_EQ(stored(QStringLiteral("AB")).size(), 3u);
}

TEST_F(HistoryWriterTest, ADataFileTheReportRefusesIsToldAndNothingOfItBroughtIn) {
    QFile file(dataFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        recordLine({QStringLiteral("AB"), QDate(2026, 2, 14), QStringLiteral("test"),
                    QStringLiteral("identify"), QStringLiteral("0"), QStringLiteral("Seventh :"), 12, 1, 2}) +
        "not a record\r\n");
    file.close();
    const QStringList told = noticesOfAStart();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("line 2"))) << told[0].toStdString();
    EXPECT_TRUE(stored(QStringLiteral("AB")).empty());
}

TEST_F(HistoryWriterTest, AHistoryThatCannotBeWrittenIsToldOnceAndTheWriterGoesOn) {
    ASSERT_TRUE(QDir(files.dataDir()).mkdir(HistoryStore::fileName()));
    HistoryWriter writer(historyPath(), dataFile());
    QSignalSpy notices(&writer, &HistoryWriter::notice);
    writer.start();
    for (int i = 0; i < 3; ++i) {
        writer.record(answerAt(QStringLiteral("AB"), utc(1, 9 + i)));
        writer.flush();
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(notices.count(), 1);
    EXPECT_TRUE(notices[0][0].toString().contains(QStringLiteral("cannot be written")));
}

TEST_F(HistoryWriterTest, WhatComesAfterTheRunHearsOfItOnceItsAnswersAreStoredMarked) {
    HistoryWriter writer(historyPath(), dataFile());
    writer.start();
    AnswerRecord answer = answerAt(QStringLiteral("AB"), utc(1, 9));
    answer.inDataFile = false;
    writer.record(answer);
    writer.markInDataFile({answer.answerId});
    std::vector<AnswerRecord> seen;
    QObject context;
    writer.afterQueued(&context, [&] { seen = stored(QStringLiteral("AB")); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.empty(); }, 5000));
    EXPECT_TRUE(seen[0].inDataFile);
}

// Files of this process grow no more while it lives, as on a full disk.
class FullDisk {
public:
    FullDisk() : m_signal(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_was);
        const rlimit none{0, m_was.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &m_was);
        std::signal(SIGXFSZ, m_signal);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_was{};
    void (*m_signal)(int);
};

TEST_F(HistoryWriterTest, AnswersJudgedOnAFullDiskWaitInOrderAndAreStoredOnceThereIsRoom) {
    HistoryWriter writer(historyPath(), dataFile(), nullptr, std::chrono::milliseconds(100));
    QSignalSpy notices(&writer, &HistoryWriter::notice);
    writer.start();
    std::vector<AnswerRecord> judged;
    for (int i = 0; i < 4; ++i) {
        judged.push_back(answerAt(QStringLiteral("AB"), utc(1, 9, i)));
        judged.back().inDataFile = false;
    }
    writer.record(judged[0]);
    writer.flush();
    {
        const FullDisk full;
        for (int i = 1; i < 4; ++i) {
            writer.record(judged[static_cast<std::size_t>(i)]);
            writer.flush();
        }
        // The run's records reach the data file: one answer stored, one still waiting.
        writer.markInDataFile({judged[0].answerId, judged[2].answerId});
        writer.flush();
        // Tries on the timer while the disk stays full.
        std::this_thread::sleep_for(std::chrono::milliseconds(350));
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(notices.count(), 1);
    EXPECT_TRUE(notices[0][0].toString().contains(QStringLiteral("kept")))
        << notices[0][0].toString().toStdString();

    // No answer comes to wake the writer: the timer stores them.
    ASSERT_TRUE(QTest::qWaitFor([&] { return stored(QStringLiteral("AB")).size() == judged.size(); }, 5000));
    const std::vector<AnswerRecord> answers = stored(QStringLiteral("AB"));
    for (std::size_t i = 0; i < judged.size(); ++i)
        EXPECT_EQ(answers[i].answerId, judged[i].answerId);
    EXPECT_TRUE(answers[0].inDataFile);
    EXPECT_FALSE(answers[1].inDataFile);
    EXPECT_TRUE(answers[2].inDataFile);
    EXPECT_FALSE(answers[3].inDataFile);
}

} // namespace
} // namespace tonalyst::test
