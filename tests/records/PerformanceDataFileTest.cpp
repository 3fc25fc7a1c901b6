#include "records/PerformanceDataFile.h"

#include "RecordsTestKit.h"
#include "records/RecordMessages.h"
#include "support/FakeClock.h"
#include "support/TempLocations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::fileBytes;
using test::fileRecords;
using test::numberedRun;

void appendBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(bytes);
}

class DataFileTest : public ::testing::Test {
protected:
    test::TempLocations m_locations;
    test::FakeClock m_clock;
    PerformanceDataFile m_file{m_locations, m_clock};

    void SetUp() override {
        const WriteOutcome start = m_file.ensureseal();
        ASSERT_TRUE(start.written);
        ASSERT_TRUE(start.message.isEmpty()) << start.message.toStdString();
    }

    void writeQuietly(int run) {
        const WriteOutcome outcome = m_file.writePending(QStringLiteral("AB"), numberedRun(run));
        EXPECT_TRUE(outcome.written);
        EXPECT_TRUE(outcome.message.isEmpty()) << outcome.message.toStdString();
    }

    std::vector<int> runsInFile(const QString& path) {
        QString bad;
        const auto records = fileRecords(path, &bad);
        EXPECT_TRUE(bad.isEmpty()) << bad.toStdString();
        std::vector<int> runs;
        for (const PerformanceRecord& record : records) {
            if (record.accidentals == 0)
                runs.push_back(record.seconds);
        }
        EXPECT_EQ(records.size(), runs.size() * 20);
        return runs;
    }
};

TEST_F(DataFileTest, AFirstStartMakesAnEmptyDataFileWithAMatchingSeal) {
    EXPECT_TRUE(QFileInfo::exists(m_file.dataFilePath()));
    EXPECT_EQ(QFileInfo(m_file.dataFilePath()).size(), 0);
    EXPECT_TRUE(QFileInfo(m_file.sealFilePath()).fileName().startsWith(u'.'));
    EXPECT_TRUE(m_file.sealAgrees());
}

TEST_F(DataFileTest, EndingARunAppendsItsRecordsUnderTheUserDatedToday) {
    const WriteOutcome outcome = m_file.writePending(
        QStringLiteral("AB"), {{QStringLiteral("test"), QStringLiteral("spell"), QStringLiteral("-1"),
                                QStringLiteral("Triad :"), 12, 1, 3}});
    EXPECT_TRUE(outcome.written);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(fileBytes(m_file.dataFilePath()),
              QByteArray("\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n"));
    EXPECT_TRUE(m_file.sealAgrees());
    EXPECT_FALSE(QFileInfo::exists(m_file.journalFilePath()));
}

TEST_F(DataFileTest, ARunWithNoAnswersShowsAndWritesNothingEvenOnAnEditedFile) {
    appendBytes(m_file.dataFilePath(), "edited\r\n");
    const WriteOutcome outcome = m_file.writePending(QStringLiteral("AB"), {});
    EXPECT_FALSE(outcome.written);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(fileBytes(m_file.dataFilePath()), QByteArray("edited\r\n"));
    EXPECT_FALSE(QFileInfo::exists(m_file.recoveryFilePath()));
}

TEST_F(DataFileTest, RunsFollowOneAnotherInTheFile) {
    for (int run = 1; run <= 3; ++run)
        writeQuietly(run);
    EXPECT_EQ(runsInFile(m_file.dataFilePath()), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(m_file.sealAgrees());
}

TEST_F(DataFileTest, ADeletedSealIsRemadeAndTheRunWrittenWithoutAMessage) {
    writeQuietly(1);
    ASSERT_TRUE(QFile::remove(m_file.sealFilePath()));
    writeQuietly(2);
    EXPECT_EQ(runsInFile(m_file.dataFilePath()), (std::vector<int>{1, 2}));
    EXPECT_TRUE(m_file.sealAgrees());
}

TEST_F(DataFileTest, AnEditedDataFileRefusesTheRunButKeepsItsRecordsApart) {
    writeQuietly(1);
    appendBytes(m_file.dataFilePath(), "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",1,1,3\r\n");
    const QByteArray edited = fileBytes(m_file.dataFilePath());
    EXPECT_FALSE(m_file.sealAgrees());

    const WriteOutcome outcome = m_file.writePending(QStringLiteral("AB"), numberedRun(2));
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(
        outcome.message,
        QStringLiteral("Unauthorized modification of Varen.dat detected.  Data tracking and report functions "
                       "have been disabled.  You must rename or delete Varen.dat to restore these "
                       "functions.  The records of this run were saved in ") +
            QDir::toNativeSeparators(m_file.recoveryFilePath()) + QStringLiteral("."));
    EXPECT_EQ(fileBytes(m_file.dataFilePath()), edited);
    EXPECT_EQ(runsInFile(m_file.recoveryFilePath()), std::vector<int>{2});

    // The guard holds until the file is renamed or deleted; each refused run is kept.
    EXPECT_FALSE(m_file.writePending(QStringLiteral("AB"), numberedRun(3)).written);
    EXPECT_EQ(runsInFile(m_file.recoveryFilePath()), (std::vector<int>{2, 3}));
}

TEST_F(DataFileTest, AnEditThatKeepsTheTimeButNotTheSizeIsCaught) {
    writeQuietly(1);
    const QDateTime sealed = QFileInfo(m_file.dataFilePath()).lastModified();
    appendBytes(m_file.dataFilePath(), "x");
    QFile data(m_file.dataFilePath());
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    ASSERT_TRUE(data.setFileTime(sealed, QFileDevice::FileModificationTime));
    data.close();
    EXPECT_FALSE(m_file.writePending(QStringLiteral("AB"), numberedRun(2)).written);
}

TEST_F(DataFileTest, AnEditThatKeepsTheSizeButNotTheTimeIsCaught) {
    writeQuietly(1);
    QFile data(m_file.dataFilePath());
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        data.setFileTime(QFileInfo(data).lastModified().addSecs(-3600), QFileDevice::FileModificationTime));
    data.close();
    EXPECT_FALSE(m_file.writePending(QStringLiteral("AB"), numberedRun(2)).written);
}

TEST_F(DataFileTest, ASealFromBeforeSizesWereKeptIsStillHonoured) {
    writeQuietly(1);
    // The earliest seals held the local time alone.
    const QDateTime modified = QFileInfo(m_file.dataFilePath()).lastModified();
    QFile sealFile(m_file.sealFilePath());
    ASSERT_TRUE(sealFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    sealFile.write('#' + modified.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toLatin1() + "#\r\n");
    sealFile.close();
    writeQuietly(2);
    EXPECT_EQ(runsInFile(m_file.dataFilePath()), (std::vector<int>{1, 2}));
}

TEST_F(DataFileTest, ARenamedDataFileStartsAFreshPairAtTheNextStart) {
    writeQuietly(1);
    ASSERT_TRUE(QFile::rename(m_file.dataFilePath(), m_file.dataFilePath() + QStringLiteral(".old")));
    EXPECT_TRUE(m_file.ensureseal().written);
    writeQuietly(2);
    EXPECT_EQ(runsInFile(m_file.dataFilePath()), std::vector<int>{2});
}

TEST_F(DataFileTest, ARunPastMidnightIsDatedByTheDayItEnded) {
    m_clock.set(QDateTime(QDate(1998, 5, 12), QTime(23, 59, 50)));
    const auto run = numberedRun(1, 3);
    m_clock.advanceSeconds(20);
    ASSERT_TRUE(m_file.writePending(QStringLiteral("AB"), run).written);
    for (const PerformanceRecord& record : fileRecords(m_file.dataFilePath()))
        EXPECT_EQ(record.date, QDate(1998, 5, 13));
}

TEST(SealGuard, CoversAnyFileNamedVarenDat) {
    EXPECT_TRUE(PerformanceDataFile::isGuardedBySeal(QStringLiteral("varen.dat")));
    EXPECT_TRUE(PerformanceDataFile::isGuardedBySeal(QStringLiteral("/archive/1998/VAREN.DAT")));
    EXPECT_TRUE(PerformanceDataFile::isGuardedBySeal(QStringLiteral("oldvaren.dat")));
    EXPECT_FALSE(PerformanceDataFile::isGuardedBySeal(QStringLiteral("old.dat")));
    EXPECT_FALSE(PerformanceDataFile::isGuardedBySeal(QStringLiteral("varen.dat.bak")));
}

// Folders below a plain file can never be made, whoever runs the test.
class BlockedLocations final : public FileLocations {
public:
    BlockedLocations(bool dataBlocked, bool stateBlocked) {
        QFile blocker(m_root.filePath(QStringLiteral("blocker")));
        EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
        m_data = m_root.filePath(dataBlocked ? QStringLiteral("blocker/data") : QStringLiteral("data"));
        m_state = m_root.filePath(stateBlocked ? QStringLiteral("blocker/state") : QStringLiteral("state"));
    }
    QString dataDir() const override { return m_data; }
    QString stateDir() const override { return m_state; }
    QString toneDir() const override { return {}; }

private:
    QTemporaryDir m_root;
    QString m_data;
    QString m_state;
};

TEST(UnwritableFolders, ADataFolderThatCannotBeMadeIsToldAndTheRecordsKeptInTheStateFolder) {
    const BlockedLocations locations(true, false);
    const test::FakeClock clock;
    PerformanceDataFile file(locations, clock);
    const WriteOutcome start = file.ensureseal();
    EXPECT_FALSE(start.written);
    EXPECT_TRUE(start.message.contains(QDir::toNativeSeparators(file.dataFilePath())))
        << start.message.toStdString();

    const WriteOutcome outcome = file.writePending(QStringLiteral("AB"), numberedRun(1));
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("could not be written to")));
    EXPECT_TRUE(outcome.message.endsWith(QStringLiteral("They were saved in %1 instead.")
                                             .arg(QDir::toNativeSeparators(file.fallbackRecoveryFilePath()))))
        << outcome.message.toStdString();
    EXPECT_EQ(test::fileRecords(file.fallbackRecoveryFilePath()).size(), 20u);
}

TEST(UnwritableFolders, AStateFolderThatCannotBeMadeKeepsTheRecordsBesideTheDataFile) {
    const BlockedLocations locations(false, true);
    const test::FakeClock clock;
    PerformanceDataFile file(locations, clock);
    EXPECT_FALSE(file.ensureseal().written);
    const WriteOutcome outcome = file.writePending(QStringLiteral("AB"), numberedRun(1));
    EXPECT_FALSE(outcome.written);
    EXPECT_TRUE(outcome.message.contains(QDir::toNativeSeparators(file.recoveryFilePath())));
    EXPECT_EQ(test::fileRecords(file.recoveryFilePath()).size(), 20u);
}

TEST(UnwritableFolders, WhenNothingCanBeWrittenTheMessageSaysTheRecordsAreLost) {
    const BlockedLocations locations(true, true);
    const test::FakeClock clock;
    PerformanceDataFile file(locations, clock);
    EXPECT_FALSE(file.ensureseal().written);
    const WriteOutcome outcome = file.writePending(QStringLiteral("AB"), numberedRun(1));
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(outcome.message.endsWith(QStringLiteral("are lost."))) << outcome.message.toStdString();
}

} // namespace
} // namespace tonalyst
