#include "records/PerformanceDataFile.h"

#include "RecordsTestKit.h"
#include "platform/Clock.h"
#include "support/TempLocations.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <signal.h>

namespace tonalyst {
namespace {

// The runs the child confirmed on its standard output before it died; 0 for none.
int lastConfirmedRun(const QByteArray& output) {
    int last = 0;
    for (const QByteArray& line : output.split('\n')) {
        bool number = false;
        const int run = line.toInt(&number);
        if (number)
            last = run;
    }
    return last;
}

// Appends the records after `from` and checks they are whole numbered runs following
// one another from `firstRun`; returns the last run found, or firstRun - 1.
int checkRunsFrom(const QByteArray& bytes, qsizetype from, int firstRun) {
    const QString tail = QString::fromUtf8(bytes.sliced(from));
    EXPECT_TRUE(bytes.size() == from || bytes.endsWith("\r\n")) << "a half line was left";
    int expected = firstRun;
    int place = 0;
    for (const QByteArray& line : bytes.sliced(from).split('\n')) {
        if (line.isEmpty())
            continue;
        const ParsedRecord parsed = parseRecordLine(line + '\n');
        EXPECT_TRUE(parsed.record) << parsed.reason.toStdString();
        if (!parsed.record)
            return expected - 1;
        EXPECT_EQ(parsed.record->seconds, expected);
        EXPECT_EQ(parsed.record->accidentals, place);
        if (++place == 20) {
            place = 0;
            ++expected;
        }
    }
    EXPECT_EQ(place, 0) << "a run was left incomplete";
    return expected - 1;
}

TEST(KilledWriter, LeavesEveryConfirmedRunOnceWholeAndSealed) {
    test::TempLocations locations;
    const SystemClock clock;
    PerformanceDataFile file(locations, clock);
    ASSERT_TRUE(file.ensureseal().written);

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayMicroseconds(0, 25000);
    QElapsedTimer elapsed;
    elapsed.start();
    QByteArray checked;
    int lastRun = 0;
    int kills = 0;
    int journalsLeft = 0;
    while (kills < 150 && elapsed.elapsed() < 12000) {
        QProcess child;
        child.start(QStringLiteral(RECORDS_APPEND_CHILD),
                    {locations.dataDir(), locations.stateDir(), QStringLiteral("K"),
                     QString::number(lastRun + 1), QStringLiteral("100000")});
        QByteArray output;
        while (!output.contains("ready\n")) {
            ASSERT_TRUE(child.waitForReadyRead(10000)) << child.readAllStandardError().toStdString();
            output += child.readAllStandardOutput();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        output += child.readAllStandardOutput();
        const int confirmed = std::max(lastConfirmedRun(output), lastRun);
        ++kills;
        if (QFileInfo::exists(file.journalFilePath()))
            ++journalsLeft;

        const WriteOutcome repaired = file.ensureseal();
        ASSERT_TRUE(repaired.written) << repaired.message.toStdString();
        ASSERT_TRUE(repaired.message.isEmpty()) << repaired.message.toStdString();
        ASSERT_TRUE(file.sealAgrees());
        const QByteArray bytes = test::fileBytes(file.dataFilePath());
        ASSERT_TRUE(bytes.startsWith(checked)) << "the data file lost what it held";
        const int found = checkRunsFrom(bytes, checked.size(), lastRun + 1);
        if (::testing::Test::HasFailure())
            return;
        // The run in hand when the kill came is there whole or not at all.
        ASSERT_GE(found, confirmed);
        ASSERT_LE(found, confirmed + 1);
        lastRun = found;
        checked = bytes;
    }
    ::testing::Test::RecordProperty("kills", kills);
    ::testing::Test::RecordProperty("journalsLeftByAKill", journalsLeft);
    ::testing::Test::RecordProperty("runsWritten", lastRun);
    EXPECT_GE(kills, 20);
}

} // namespace
} // namespace tonalyst
