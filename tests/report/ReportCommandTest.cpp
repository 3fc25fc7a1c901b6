#include "ReportTestKit.h"

#include "platform/Clock.h"
#include "platform/FileLocations.h"
#include "records/PerformanceDataFile.h"
#include "records/RecordMessages.h"
#include "report/ReportCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tonalyst::test {
namespace {

class ReportCommandTest : public ::testing::Test {
protected:
    int run(QStringList arguments) {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        arguments << QStringLiteral("--data-dir") << dir.path();
        return runReportCommand(arguments, out, err);
    }

    QString file(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QString output;
    QString errors;
};

TEST_F(ReportCommandTest, PrintsTheScreenReportForTheChosenDays) {
    ASSERT_TRUE(writeFile(file("old.dat"), spellingRecords("AB", QDate(1998, 5, 8), 3) +
                                               spellingRecords("AB", QDate(1998, 5, 20), 4)));
    EXPECT_EQ(run({"--user", "AB", "--data", file("old.dat"), "--from", "1998-05-06", "--to", "1998-05-12",
                   "--type", "test"}),
              0);
    const QStringList lines = output.split(QLatin1Char('\n'));
    EXPECT_TRUE(
        lines[1].startsWith(QStringLiteral("    Performance Report for period :6-May-98 to 12-May-98")));
    EXPECT_EQ(lines[2], QStringLiteral("    Report Type : test"));
    EXPECT_EQ(lines[3], QStringLiteral("    Data Source File : ") + file("old.dat"));
    EXPECT_EQ(lines[4], QStringLiteral("    WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL"));
    EXPECT_TRUE(lines[15].contains(QStringLiteral("67%")));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ReportCommandTest, RefusesWithTheDialogsMessagesAndStatusTwo) {
    ASSERT_TRUE(writeFile(file("old.dat"), spellingRecords("AB", QDate(1998, 5, 8), 3)));
    EXPECT_EQ(run({"--user", "AB", "--data", file("old.dat"), "--from", "1998-05-13", "--to", "1998-05-12"}),
              2);
    EXPECT_EQ(errors, QStringLiteral("Start Date must preceed End Date\n"));
    EXPECT_EQ(run({"--user", "AB", "--data", file("old.dat"), "--from", "12 May", "--to", "1998-05-12"}), 2);
    EXPECT_EQ(errors, QStringLiteral("Invalid Start Date\n"));
    EXPECT_EQ(run({"--user", "AB", "--data", file("old.dat"), "--to", "1998-02-30", "--from", "1998-01-01"}),
              2);
    EXPECT_EQ(errors, QStringLiteral("Invalid End Date\n"));
    EXPECT_EQ(run({"--user", "AB", "--data", file("missing.dat")}), 2);
    EXPECT_TRUE(errors.startsWith(QStringLiteral("There is a problem with the chosen file.")));
    EXPECT_EQ(run({"--data", file("old.dat")}), 2);
    EXPECT_TRUE(errors.startsWith(QStringLiteral("tonalyst report: --user is required\n")));
    EXPECT_EQ(run({"--user", "AB", "--last", "40"}), 2);
    EXPECT_EQ(run({"--user", "AB", "--type", "all"}), 2);
    EXPECT_TRUE(output.isEmpty());
}

// The state folder, where the seals live, moved into a temporary folder for one test.
class TemporaryStateHome {
public:
    TemporaryStateHome() : m_old(qgetenv("XDG_STATE_HOME")) {
        qputenv("XDG_STATE_HOME", m_state.path().toUtf8());
    }
    ~TemporaryStateHome() {
        if (m_old.isEmpty())
            qunsetenv("XDG_STATE_HOME");
        else
            qputenv("XDG_STATE_HOME", m_old);
    }

private:
    QTemporaryDir m_state;
    QByteArray m_old;
};

TEST_F(ReportCommandTest, RefusesTheProgramsOwnDataFileOnceItWasEdited) {
    const TemporaryStateHome state;
    const UserFileLocations files(dir.path());
    const SystemClock clock;
    PerformanceDataFile own(files, clock);
    own.ensureseal();
    EXPECT_EQ(run({"--user", "AB"}), 0) << errors.toStdString();
    QFile data(own.dataFilePath());
    ASSERT_TRUE(data.open(QIODevice::Append));
    data.write(spellingRecords("AB", QDate(1998, 5, 8), 1));
    data.close();
    EXPECT_EQ(run({"--user", "AB"}), 2);
    EXPECT_EQ(errors, unauthorizedModificationMessage() + QLatin1Char('\n'));
    EXPECT_TRUE(output.isEmpty());
}

TEST_F(ReportCommandTest, AMissingSealIsNamedUnderTheFileMessage) {
    const TemporaryStateHome state;
    ASSERT_TRUE(writeFile(file("varen.dat"), spellingRecords("AB", QDate(1998, 5, 8), 1)));
    EXPECT_EQ(run({"--user", "AB"}), 2);
    const QStringList lines = errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << errors.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("There is a problem with the chosen file.")));
    EXPECT_EQ(lines[2], QStringLiteral("the seal of %1 is missing").arg(file("varen.dat")));
}

TEST_F(ReportCommandTest, DatesWithAnythingAfterThemAreRefused) {
    ASSERT_TRUE(writeFile(file("old.dat"), spellingRecords("AB", QDate(1998, 5, 8), 3)));
    EXPECT_EQ(
        run({"--user", "AB", "--data", file("old.dat"), "--from", "1998-05-06", "--to", "1998-05-13garbage"}),
        2);
    EXPECT_EQ(errors, QStringLiteral("Invalid End Date\n"));
    EXPECT_EQ(run({"--user", "AB", "--data", file("old.dat"), "--from", "1998-05-06x", "--to", "1998-05-13"}),
              2);
    EXPECT_EQ(errors, QStringLiteral("Invalid Start Date\n"));
    EXPECT_EQ(run({"--user", "AB", "--data", file("old.dat"), "--from", "6 May 98", "--to", "1998-05-13"}),
              0);
    EXPECT_TRUE(output.contains(QStringLiteral("6-May-98 to 13-May-98")));
}

TEST_F(ReportCommandTest, TheProgramItselfSaysNothingOnStandardErrorWhenAllIsWell) {
    const TemporaryStateHome state;
    const UserFileLocations files(dir.path());
    const SystemClock clock;
    PerformanceDataFile own(files, clock);
    ASSERT_TRUE(own.ensureseal().written);
    ASSERT_TRUE(
        own.writePending(QStringLiteral("AB"), {{QStringLiteral("test"), QStringLiteral("spell"),
                                                 QStringLiteral("-1"), QStringLiteral("Triad :"), 12, 1, 3}})
            .written);
    QProcess tonalyst;
    tonalyst.start(QStringLiteral(TONALYST_PROGRAM),
                   {QStringLiteral("report"), QStringLiteral("--user"), QStringLiteral("AB"),
                    QStringLiteral("--data-dir"), dir.path()});
    ASSERT_TRUE(tonalyst.waitForFinished(30000));
    EXPECT_EQ(tonalyst.exitCode(), 0);
    EXPECT_EQ(tonalyst.readAllStandardError(), QByteArray());
    EXPECT_TRUE(tonalyst.readAllStandardOutput().contains("Performance Report"));
}

TEST_F(ReportCommandTest, WritesThePrintedLayoutIntoAPdf) {
    ASSERT_TRUE(writeFile(file("old.dat"), spellingRecords("AB", QDate(1998, 5, 8), 1001)));
    const QString pdf = file("report.pdf");
    EXPECT_EQ(run({"--user", "AB", "--data", file("old.dat"), "--from", "1998-05-01", "--to", "1998-05-31",
                   "--type", "both", "--pdf", pdf}),
              0);
    EXPECT_TRUE(errors.startsWith(QStringLiteral("%1 now contains  1001 records.").arg(file("old.dat"))));
    ASSERT_GT(QFileInfo(pdf).size(), 0);
    if (const auto text = pdfText(pdf)) {
        EXPECT_TRUE(text->contains(QStringLiteral("Method reported on : test")));
        EXPECT_TRUE(text->contains(QStringLiteral("Method reported on : practice")));
        EXPECT_TRUE(text->contains(QStringLiteral("01-May-98 to 31-May-98")));
    }
}

} // namespace
} // namespace tonalyst::test
