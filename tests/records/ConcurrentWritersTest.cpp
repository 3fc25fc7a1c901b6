#include "records/PerformanceDataFile.h"

#include "RecordsTestKit.h"
#include "platform/Clock.h"
#include "support/TempLocations.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <map>
#include <thread>

namespace tonalyst {
namespace {

constexpr int kRunsEach = 25;

// Every run of every user whole, its twenty records together and in order, and each
// user's runs in the order they were written.
void expectWholeRunsInOrder(const QString& path, const QStringList& users) {
    QString bad;
    const auto records = test::fileRecords(path, &bad);
    EXPECT_TRUE(bad.isEmpty()) << bad.toStdString();
    ASSERT_EQ(records.size(), static_cast<size_t>(users.size() * kRunsEach * 20));
    std::map<QString, int> lastRun;
    for (size_t i = 0; i < records.size(); i += 20) {
        const PerformanceRecord& first = records[i];
        for (int place = 0; place < 20; ++place) {
            EXPECT_EQ(records[i + place].userId, first.userId);
            EXPECT_EQ(records[i + place].seconds, first.seconds);
            EXPECT_EQ(records[i + place].accidentals, place);
        }
        EXPECT_EQ(first.seconds, lastRun[first.userId] + 1) << first.userId.toStdString();
        lastRun[first.userId] = first.seconds;
    }
}

TEST(ConcurrentWriters, TwoWritersInOneProgramNeverInterleaveOrLoseLines) {
    test::TempLocations locations;
    const SystemClock clock;
    PerformanceDataFile(locations, clock).ensureseal();
    const auto writeRuns = [&](const QString& user, bool* allWritten) {
        PerformanceDataFile file(locations, clock);
        for (int run = 1; run <= kRunsEach; ++run)
            *allWritten = file.writePending(user, test::numberedRun(run)).written && *allWritten;
    };
    bool aWritten = true;
    bool bWritten = true;
    std::thread a(writeRuns, QStringLiteral("A"), &aWritten);
    std::thread b(writeRuns, QStringLiteral("B"), &bWritten);
    a.join();
    b.join();
    EXPECT_TRUE(aWritten && bWritten);
    const PerformanceDataFile file(locations, clock);
    expectWholeRunsInOrder(file.dataFilePath(), {QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_TRUE(file.sealAgrees());
}

TEST(ConcurrentWriters, TwoTonalystProcessesNeverInterleaveOrLoseLines) {
    test::TempLocations locations;
    QProcess a;
    QProcess b;
    for (auto [process, user] : {std::pair{&a, "A"}, std::pair{&b, "B"}}) {
        process->start(QStringLiteral(RECORDS_APPEND_CHILD),
                       {locations.dataDir(), locations.stateDir(), QString::fromLatin1(user),
                        QStringLiteral("1"), QString::number(kRunsEach)});
    }
    for (QProcess* process : {&a, &b}) {
        ASSERT_TRUE(process->waitForFinished(30000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    const SystemClock clock;
    const PerformanceDataFile file(locations, clock);
    expectWholeRunsInOrder(file.dataFilePath(), {QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_TRUE(file.sealAgrees());
}

} // namespace
} // namespace tonalyst
