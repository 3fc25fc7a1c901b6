#include "records/PerformanceDataFile.h"
#include "records/ReportSource.h"
#include "records/Seal.h"

#include "RecordsTestKit.h"
#include "support/FakeClock.h"
#include "support/TempLocations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <ctime>

namespace tonalyst {
namespace {

using test::numberedRun;

// Another data folder beside the test's own, sharing its state folder.
class OtherFolder final : public FileLocations {
public:
    OtherFolder(const test::TempLocations& base, const QString& name)
        : m_base(base), m_dataDir(QDir(base.root()).filePath(name)) {}
    QString dataDir() const override { return m_dataDir; }
    QString stateDir() const override { return m_base.stateDir(); }
    QString toneDir() const override { return m_base.toneDir(); }

private:
    const test::TempLocations& m_base;
    QString m_dataDir;
};

void expectQuietWrite(PerformanceDataFile& file, int run) {
    const WriteOutcome outcome = file.writePending(QStringLiteral("AB"), numberedRun(run));
    EXPECT_TRUE(outcome.written);
    EXPECT_TRUE(outcome.message.isEmpty()) << outcome.message.toStdString();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST(SealPerFile, TwoFoldersUsedInTurnBothStaySealed) {
    test::TempLocations locations;
    const OtherFolder elsewhere(locations, QStringLiteral("usb-stick"));
    const test::FakeClock clock;
    PerformanceDataFile home(locations, clock);
    PerformanceDataFile stick(elsewhere, clock);
    for (int run = 1; run <= 3; ++run) {
        ASSERT_TRUE(home.ensureseal().written);
        expectQuietWrite(home, run);
        ASSERT_TRUE(stick.ensureseal().written);
        expectQuietWrite(stick, run);
    }
    EXPECT_TRUE(home.sealAgrees());
    EXPECT_TRUE(stick.sealAgrees());
    EXPECT_NE(home.sealFilePath(), stick.sealFilePath());
    EXPECT_FALSE(QFileInfo::exists(home.recoveryFilePath()));
    EXPECT_FALSE(QFileInfo::exists(stick.recoveryFilePath()));
    EXPECT_EQ(test::fileRecords(home.dataFilePath()).size(), 60u);
}

TEST(SealPerFile, TheSameFolderReachedThroughALinkHasOneSeal) {
    test::TempLocations locations;
    const test::FakeClock clock;
    PerformanceDataFile real(locations, clock);
    ASSERT_TRUE(real.ensureseal().written);
    ASSERT_TRUE(QFile::link(locations.dataDir(), QDir(locations.root()).filePath(QStringLiteral("link"))));
    const OtherFolder linked(locations, QStringLiteral("link"));
    const PerformanceDataFile throughLink(linked, clock);
    EXPECT_EQ(throughLink.sealFilePath(), real.sealFilePath());
}

// Before the upgrade one seal, in the earlier form, stood for the default folder's file.
class UpgradedSeal : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(m_locations.dataDir());
        QDir().mkpath(m_locations.stateDir());
        writeBytes(m_file.dataFilePath(),
                   QByteArray("\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n"));
        const QDateTime modified = QFileInfo(m_file.dataFilePath()).lastModified();
        writeBytes(m_file.sharedSealFilePath(),
                   '#' + modified.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toLatin1() + "#," +
                       QByteArray::number(QFileInfo(m_file.dataFilePath()).size()) + "\r\n");
    }

    test::TempLocations m_locations;
    const test::FakeClock m_clock;
    PerformanceDataFile m_file{m_locations, m_clock};
};

TEST_F(UpgradedSeal, StillVouchesForTheFileOnAReportBeforeAnyStart) {
    QString problem;
    EXPECT_EQ(checkReportSeal(QStringLiteral("varen.dat"), m_locations, m_clock, &problem),
              ReportSeal::Passed)
        << problem.toStdString();
    EXPECT_TRUE(QFileInfo::exists(m_file.sealFilePath()));
    EXPECT_TRUE(m_file.sealAgrees());
}

TEST_F(UpgradedSeal, RecordingGoesOnWithoutAWord) {
    const WriteOutcome start = m_file.ensureseal();
    EXPECT_TRUE(start.written);
    EXPECT_TRUE(start.message.isEmpty()) << start.message.toStdString();
    expectQuietWrite(m_file, 1);
    EXPECT_TRUE(m_file.sealAgrees());
}

TEST_F(UpgradedSeal, AnEditBeforeTheUpgradeIsNotTakenForTheProgramsOwn) {
    QFile data(m_file.dataFilePath());
    ASSERT_TRUE(data.open(QIODevice::Append));
    data.write("\"XY\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",1,1,1\r\n");
    data.close();
    EXPECT_NE(checkReportSeal(QStringLiteral("varen.dat"), m_locations, m_clock), ReportSeal::Passed);
}

TEST_F(UpgradedSeal, ASealLeftByAnotherFolderRaisesNoAlarm) {
    // The student last used another folder, which the one shared seal then described.
    const OtherFolder elsewhere(m_locations, QStringLiteral("usb-stick"));
    QDir().mkpath(elsewhere.dataDir());
    const PerformanceDataFile stick(elsewhere, m_clock);
    writeBytes(stick.dataFilePath(), "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",1,1,1\r\n");
    writeBytes(m_file.sharedSealFilePath(), Seal::ofFile(stick.dataFilePath())->line());
    EXPECT_NE(checkReportSeal(QStringLiteral("varen.dat"), m_locations, m_clock), ReportSeal::Broken);
    const WriteOutcome start = m_file.ensureseal();
    EXPECT_TRUE(start.message.isEmpty()) << start.message.toStdString();
    expectQuietWrite(m_file, 1);
}

// The zone the process reads local times in, changed for one test.
class TimeZone {
public:
    explicit TimeZone(const char* zone) : m_old(qgetenv("TZ")), m_had(qEnvironmentVariableIsSet("TZ")) {
        set(zone);
    }
    ~TimeZone() {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }
    static void set(const char* zone) {
        qputenv("TZ", zone);
        tzset();
    }

private:
    QByteArray m_old;
    bool m_had;
};

TEST(SealAcrossZones, AFileSealedInOneZoneIsStillSealedInAnother) {
    const TimeZone berlin("Europe/Berlin");
    test::TempLocations locations;
    const test::FakeClock clock;
    PerformanceDataFile file(locations, clock);
    ASSERT_TRUE(file.ensureseal().written);
    expectQuietWrite(file, 1);
    const QString berlinTime = QFileInfo(file.dataFilePath()).lastModified().toString();
    TimeZone::set("America/New_York");
    ASSERT_NE(QFileInfo(file.dataFilePath()).lastModified().toString(), berlinTime)
        << "the zone did not change";
    EXPECT_TRUE(file.sealAgrees());
    expectQuietWrite(file, 2);
    TimeZone::set("Asia/Kolkata");
    EXPECT_TRUE(file.sealAgrees());
}

TEST(SealAcrossZones, ASealOfAnEarlierVersionIsReadInTheZoneItWasWrittenIn) {
    const TimeZone berlin("Europe/Berlin");
    test::TempLocations locations;
    QDir().mkpath(locations.dataDir());
    const QString path = QDir(locations.dataDir()).filePath(QStringLiteral("varen.dat"));
    writeBytes(path, "x\r\n");
    const QByteArray local =
        '#' + QFileInfo(path).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toLatin1() + '#';
    EXPECT_TRUE(Seal::parse(local)->agreesWith(*Seal::ofFile(path)));
    EXPECT_TRUE(Seal::parse(local + ",3")->agreesWith(*Seal::ofFile(path)));
    EXPECT_FALSE(Seal::parse(local + ",4")->agreesWith(*Seal::ofFile(path)));
}

} // namespace
} // namespace tonalyst
