#include "records/AppendJournal.h"
#include "records/PerformanceDataFile.h"
#include "records/ReportSource.h"
#include "records/Seal.h"

#include "RecordsTestKit.h"
#include "support/FakeClock.h"
#include "support/TempLocations.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::fileBytes;
using test::numberedRun;

QByteArray linesOf(const std::vector<PendingRecord>& run) {
    QByteArray lines;
    for (const PendingRecord& record : run)
        lines += recordLine(PerformanceRecord::fromPending(record, QStringLiteral("AB"), QDate(1998, 5, 12)));
    return lines;
}

void appendBytes(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(bytes.data(), bytes.size());
}

void writeSeal(const QString& sealPath, const QString& dataPath) {
    QFile seal(sealPath);
    ASSERT_TRUE(seal.open(QIODevice::WriteOnly | QIODevice::Truncate));
    seal.write(Seal::ofFile(dataPath)->line());
}

// A writer stopped somewhere between putting its journal on the disk and removing it:
// `appended` bytes of the run reached the data file, and perhaps the new seal too.
struct Cut {
    qsizetype appended;
    bool resealed;
};

class InterruptedAppend : public ::testing::TestWithParam<Cut> {
protected:
    test::TempLocations m_locations;
    test::FakeClock m_clock;
    PerformanceDataFile m_file{m_locations, m_clock};
    QByteArray m_before;
    QByteArray m_run;

    void SetUp() override {
        ASSERT_TRUE(m_file.ensureseal().written);
        ASSERT_TRUE(m_file.writePending(QStringLiteral("AB"), numberedRun(1)).written);
        m_before = fileBytes(m_file.dataFilePath());
        m_run = linesOf(numberedRun(2));
        const AppendJournal journal(m_file.journalFilePath());
        ASSERT_FALSE(journal.commit({m_before.size(), m_run}));
        const qsizetype appended = GetParam().appended < 0 ? m_run.size() : GetParam().appended;
        appendBytes(m_file.dataFilePath(), QByteArrayView(m_run).first(appended));
        if (GetParam().resealed)
            writeSeal(m_file.sealFilePath(), m_file.dataFilePath());
    }
};

TEST_P(InterruptedAppend, IsFinishedAtTheNextStartWithEveryRecordOnce) {
    const WriteOutcome start = m_file.ensureseal();
    EXPECT_TRUE(start.written);
    EXPECT_TRUE(start.message.isEmpty()) << start.message.toStdString();
    EXPECT_EQ(fileBytes(m_file.dataFilePath()), m_before + m_run);
    EXPECT_TRUE(m_file.sealAgrees());
    EXPECT_FALSE(QFileInfo::exists(m_file.journalFilePath()));
}

TEST_P(InterruptedAppend, IsFinishedBeforeTheNextRunIsAppended) {
    ASSERT_TRUE(m_file.writePending(QStringLiteral("AB"), numberedRun(3)).written);
    EXPECT_EQ(fileBytes(m_file.dataFilePath()), m_before + m_run + linesOf(numberedRun(3)));
    EXPECT_TRUE(m_file.sealAgrees());
}

TEST_P(InterruptedAppend, IsFinishedBeforeAReportReadsTheFileAndRaisesNoAlarm) {
    QString problem;
    EXPECT_EQ(checkReportSeal(QStringLiteral("varen.dat"), m_locations, m_clock, &problem),
              ReportSeal::Passed)
        << problem.toStdString();
    EXPECT_EQ(fileBytes(m_file.dataFilePath()), m_before + m_run);
    EXPECT_FALSE(QFileInfo::exists(m_file.journalFilePath()));
}

INSTANTIATE_TEST_SUITE_P(AtEveryStage, InterruptedAppend,
                         ::testing::Values(Cut{0, false}, Cut{1, false}, Cut{30, false}, Cut{45, false},
                                           Cut{400, false}, Cut{-1, false}, Cut{-1, true}));

TEST(InterruptedAppendOnAChangedFile, LeavesTheFileAloneAndSavesTheRunApart) {
    test::TempLocations locations;
    const test::FakeClock clock;
    PerformanceDataFile file(locations, clock);
    ASSERT_TRUE(file.ensureseal().written);
    ASSERT_TRUE(file.writePending(QStringLiteral("AB"), numberedRun(1)).written);
    const QByteArray run = linesOf(numberedRun(2));
    ASSERT_FALSE(AppendJournal(file.journalFilePath()).commit({QFileInfo(file.dataFilePath()).size(), run}));
    appendBytes(file.dataFilePath(), "typed in by hand\r\n");
    const QByteArray edited = fileBytes(file.dataFilePath());

    const WriteOutcome start = file.ensureseal();
    EXPECT_EQ(start.icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(start.message.contains(QStringLiteral("cut short"))) << start.message.toStdString();
    EXPECT_EQ(fileBytes(file.dataFilePath()), edited);
    EXPECT_EQ(fileBytes(file.recoveryFilePath()), run);
    EXPECT_FALSE(QFileInfo::exists(file.journalFilePath()));
}

TEST(DamagedJournal, IsPutAsideAndRecordingGoesOn) {
    test::TempLocations locations;
    const test::FakeClock clock;
    PerformanceDataFile file(locations, clock);
    ASSERT_TRUE(file.ensureseal().written);
    appendBytes(file.journalFilePath(), "not a journal");
    EXPECT_TRUE(file.ensureseal().written);
    EXPECT_TRUE(QFileInfo::exists(file.journalFilePath() + QStringLiteral(".damaged")));
    EXPECT_TRUE(file.writePending(QStringLiteral("AB"), numberedRun(1)).written);
}

} // namespace
} // namespace tonalyst
