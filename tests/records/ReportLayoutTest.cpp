#include "records/ReportLayout.h"
#include "records/ReportDates.h"
#include "records/ReportMeasures.h"
#include "records/ReportMessages.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

// Text placed at 1-based character columns, the way the report counts them.
QString placed(std::initializer_list<std::pair<int, const char*>> items) {
    QString line;
    for (const auto& [column, text] : items) {
        line = line.leftJustified(column - 1);
        line += QString::fromUtf8(text);
    }
    return line;
}

// The figures of the hand-made file in the compiler's test, composite report for AB.
ReportFigures handMadeFigures() {
    ReportFigures figures;
    figures.categories = {{{3, 1, 1, 1, 2, 2, 35, 5},
                           {1, 1, 0, 0, 1, 1, 20, 4},
                           {1, 0, 1, 0, 0, 1, 9, 1},
                           {1, 1, 0, 0, 0, 0, 15, 5},
                           {1, 0, 1, 0, 0, 1, 8, 2},
                           {1, 1, 0, 0, 0, 1, 0, 3}}};
    figures.intervals = {1, 1, 1, 2, 18};
    figures.keySignatures = {2, 1, 7};
    figures.recordCount = 17;
    return figures;
}

ReportHeading heading(const QString& source = QStringLiteral("varen.dat")) {
    return {QDate(1998, 5, 6), QDate(1998, 5, 12), QStringLiteral("composite"), source, QStringLiteral("AB")};
}

TEST(ReportMeasures, RoundHalvesAwayFromZeroAndScoresRoundDown) {
    EXPECT_EQ(roundedShare(2, 3, 100), 67); // 66.7%
    EXPECT_EQ(roundedShare(25, 2), 13);     // 12.5 s
    EXPECT_EQ(roundedShare(-25, 2), -13);
    EXPECT_EQ(roundedShare(1, 8, 100), 13); // 12.5%
    EXPECT_EQ(roundedShare(49, 100), 0);
    EXPECT_EQ(roundedShare(5, 0), std::nullopt);
    EXPECT_EQ(scoreOf(2, 35), 571);  // 10000 × (2/3) / (35/3) = 571.4
    EXPECT_EQ(scoreOf(3, 30), 1000); // exactly, where floating point could give 999
    EXPECT_EQ(scoreOf(1, -3), -3334);
    EXPECT_EQ(scoreOf(1, 0), std::nullopt);
}

TEST(ReportLayout, ScreenReportPutsEveryFigureInItsColumn) {
    const QStringList lines = reportLines(handMadeFigures(), heading(), ReportMedium::Screen);
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[0], QString());
    EXPECT_EQ(lines[1], placed({{1, "    Performance Report for period :6-May-98 to 12-May-98"},
                                {67, "User ID : AB"}}));
    EXPECT_EQ(lines[2], QStringLiteral("    Report Type : composite"));
    EXPECT_EQ(lines[3], QStringLiteral("    Data Source File : varen.dat"));
    EXPECT_EQ(lines[4], QString());
    EXPECT_EQ(lines[5], placed({{27, "Triad"},
                                {37, "Seventh"},
                                {47, "V7 of"},
                                {57, "vii7 of"},
                                {67, "Aug-6th"},
                                {77, "Flat-II"},
                                {87, "Intervals"},
                                {97, "Keysig"},
                                {107, "OVERALL"}}));
    EXPECT_EQ(lines[6], QString());
    const auto row = [](const char* label, std::array<const char*, 9> cells) {
        return placed({{1, label},
                       {27, cells[0]},
                       {37, cells[1]},
                       {47, cells[2]},
                       {57, cells[3]},
                       {67, cells[4]},
                       {77, cells[5]},
                       {87, cells[6]},
                       {97, cells[7]},
                       {107, cells[8]}});
    };
    EXPECT_EQ(lines[7], row("    spelling attempts", {"1", "1", "0", "1", "0", "1", "1", "---", "---"}));
    // This label runs into the first column, so its first figure keeps one blank from it.
    EXPECT_EQ(lines[8],
              row("    identification attempts ", {"1", "0", "1", "0", "1", "0", "1", "---", "---"}));
    EXPECT_EQ(lines[9],
              row("    ear train attempts", {"1", "0", "---", "---", "---", "---", "1", "---", "---"}));
    EXPECT_EQ(lines[10], row("    total attempts", {"3", "1", "1", "1", "1", "1", "3", "2", "13"}));
    EXPECT_EQ(lines[11], row("    with inversions on", {"2", "1", "0", "0", "0", "0", "---", "---", "---"}));
    EXPECT_EQ(lines[12], QString());
    EXPECT_EQ(lines[13], row("    # of successes", {"2", "1", "1", "0", "1", "1", "2", "1", "9"}));
    EXPECT_EQ(lines[14],
              row("    success rate", {"67%", "100%", "100%", "0%", "100%", "100%", "67%", "50%", "69%"}));
    EXPECT_EQ(lines[15], row("    avg time/ques (sec)", {"12", "20", "9", "15", "8", "0", "6", "4", "9"}));
    EXPECT_EQ(lines[16], row("    avg # sharp/flat", {"2", "4", "1", "5", "2", "3", "---", "---", "---"}));
    // Answers of no time at all give no score rather than a failed report.
    EXPECT_EQ(lines[17], row("    SCORE", {"571", "500", "1111", "0", "1250", "N/A", "1111", "1428", "803"}));
    EXPECT_EQ(lines[18], QString());
}

TEST(ReportLayout, ColumnsWithoutAttemptsShowNotAvailable) {
    const QStringList lines = reportLines(ReportFigures{}, heading(), ReportMedium::Screen);
    const QStringList spelling = lines[7].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EXPECT_EQ(spelling.mid(2), QStringList({"N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "---", "---"}));
    const QStringList total = lines[10].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EXPECT_EQ(total.mid(2), QStringList(9, QStringLiteral("0")));
    for (int row : {13, 14, 15, 17}) {
        const QStringList cells = lines[row].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        EXPECT_EQ(cells.mid(cells.size() - 9), QStringList(9, QStringLiteral("N/A"))) << row;
    }
}

TEST(ReportLayout, WarnsOfASourceNotNamedVarenDat) {
    const QStringList archived =
        reportLines(ReportFigures{}, heading(QStringLiteral("/old/old.dat")), ReportMedium::Screen);
    EXPECT_EQ(archived[3], QStringLiteral("    Data Source File : /old/old.dat"));
    EXPECT_EQ(archived[4], QStringLiteral("    WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL"));
    const QStringList guarded =
        reportLines(ReportFigures{}, heading(QStringLiteral("/old/VAREN.DAT")), ReportMedium::Screen);
    EXPECT_FALSE(guarded.join(QLatin1Char('\n')).contains(QStringLiteral("WARNING")));
}

TEST(ReportLayout, PrinterReportUsesItsOwnLabelsColumnsAndDates) {
    const QStringList lines =
        reportLines(handMadeFigures(), heading(QStringLiteral("old.dat")), ReportMedium::Printer);
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[2], placed({{1, "    Performance Report for period :06-May-98 to 12-May-98"},
                                {67, "User ID : AB"}}));
    EXPECT_EQ(lines[4], QStringLiteral("    Data Source File : old.dat").leftJustified(66));
    EXPECT_EQ(lines[6], QStringLiteral("    Method reported on : composite"));
    EXPECT_EQ(lines[8], QStringLiteral("    WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL"));
    EXPECT_EQ(lines[10], placed({{17, "Triad"},
                                 {26, "Seventh"},
                                 {35, "V7 of"},
                                 {44, "vii7 of"},
                                 {53, "Aug-6th"},
                                 {62, "Flat-II"},
                                 {71, "Interval"},
                                 {80, "Keysig"},
                                 {89, "OVERALL"}}));
    EXPECT_EQ(lines[19], placed({{1, "   success %"},
                                 {17, "67%"},
                                 {26, "100%"},
                                 {35, "100%"},
                                 {44, "0%"},
                                 {53, "100%"},
                                 {62, "100%"},
                                 {71, "67%"},
                                 {80, "50%"},
                                 {89, "69%"}}));
    EXPECT_TRUE(lines[22].startsWith(QStringLiteral("   SCORE")));
    EXPECT_EQ(lines.mid(23), QStringList(3, QString()));
}

TEST(ReportLayout, AFigureTooWideForItsColumnStillStandsApart) {
    ReportFigures figures;
    figures.categories[0] = {1234567890123, 1234567890123, 0, 0, 0, 0, 0, 0};
    const QStringList lines = reportLines(figures, heading(), ReportMedium::Screen);
    EXPECT_TRUE(lines[7].contains(QStringLiteral("1234567890123 N/A")));
}

TEST(ReportDates, ReadsTheWaysPeopleTypeDates) {
    const QDate today(2026, 12, 9);
    EXPECT_EQ(parseTypedDate(QStringLiteral("6 May 98"), today), QDate(1998, 5, 6));
    EXPECT_EQ(parseTypedDate(QStringLiteral("06-may-1998"), today), QDate(1998, 5, 6));
    EXPECT_EQ(parseTypedDate(QStringLiteral("12 September 26"), today), QDate(2026, 9, 12));
    EXPECT_EQ(parseTypedDate(QStringLiteral("1998-05-06"), today), QDate(1998, 5, 6));
    EXPECT_EQ(parseTypedDate(QStringLiteral("31 Feb 98"), today), std::nullopt);
    EXPECT_EQ(parseTypedDate(QStringLiteral("yesterday"), today), std::nullopt);
    EXPECT_EQ(parseTypedDate(QString(), today), std::nullopt);
    EXPECT_EQ(shortDate(QDate(1998, 5, 6)), QStringLiteral("6 May 98"));
    EXPECT_EQ(paddedShortDate(QDate(1998, 5, 6)), QStringLiteral("06 May 98"));
}

// The report names months in the program's language, and the period boxes, which show the
// same dates, must read every one of them back; English stays as it has always been written.
TEST(ReportDates, MonthsAreNamedInTheLanguageAndReadBack) {
    const QLocale before;
    const QDate today(2026, 12, 9);
    for (const char* language : {"de_DE", "fr_FR", "es_ES", "en_GB", "en_US"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(language)));
        const bool english = QLocale().language() == QLocale::English;
        int asInEnglish = 0;
        for (int month = 1; month <= 12; ++month) {
            const QDate date(1998, month, 6);
            for (const QString& shown : {shortDate(date), paddedShortDate(date), reportDate(date)})
                EXPECT_EQ(parseTypedDate(shown, today), date) << language << ": " << shown.toStdString();
            asInEnglish += shortDate(date) == QLocale::c().toString(date, QStringLiteral("d MMM yy")) ? 1 : 0;
        }
        EXPECT_EQ(asInEnglish == 12, english) << language;
        EXPECT_EQ(parseTypedDate(QStringLiteral("6 Sep 98"), today), QDate(1998, 9, 6)) << language;
        if (english) {
            EXPECT_EQ(reportDate(QDate(1998, 9, 6)), QStringLiteral("6-Sep-98")) << language;
        }
    }
    QLocale::setDefault(before);
}

TEST(ReportDates, NothingMayFollowTheDate) {
    const QDate today(2026, 12, 9);
    for (const char* text : {"1998-05-13garbage", "1998-05-13 1", "13 May 98x", "13 May 1998 and more"})
        EXPECT_EQ(parseTypedDate(QString::fromLatin1(text), today), std::nullopt) << text;
}

// A two-digit year lies between 80 years before this year and 19 after it.
TEST(ReportDates, TwoDigitYearsAreReadAroundToday) {
    struct Case {
        QDate today;
        const char* typed;
        QDate meant;
    };
    for (const Case& c : {Case{QDate(2029, 6, 1), "1 Jun 29", QDate(2029, 6, 1)},
                          Case{QDate(2029, 6, 1), "1 Jun 49", QDate(1949, 6, 1)},
                          Case{QDate(2029, 6, 1), "1 Jun 48", QDate(2048, 6, 1)},
                          Case{QDate(2030, 1, 5), "05 Jan 30", QDate(2030, 1, 5)},
                          Case{QDate(2030, 1, 5), "29 Dec 29", QDate(2029, 12, 29)},
                          Case{QDate(2030, 1, 5), "6 May 98", QDate(1998, 5, 6)},
                          Case{QDate(2099, 12, 31), "31 Dec 99", QDate(2099, 12, 31)},
                          Case{QDate(2099, 12, 31), "1 Jan 19", QDate(2019, 1, 1)},
                          Case{QDate(2099, 12, 31), "1 Jan 18", QDate(2118, 1, 1)}})
        EXPECT_EQ(parseTypedDate(QString::fromLatin1(c.typed), c.today), c.meant)
            << c.typed << " on " << c.today.toString(Qt::ISODate).toStdString();
}

TEST(ReportMessages, AdviceNamesTheFileAndCount) {
    EXPECT_EQ(
        recordCountAdviceMessage(QStringLiteral("varen.dat"), 1001),
        QStringLiteral("varen.dat now contains  1001 records.  This may cause excessive i/o time during "
                       "report compilation.  \r\n\r\nYou should soon archive (ie. rename) varen.dat.  The "
                       "program will then automatically start a new data file called varen.dat."));
}

} // namespace
} // namespace tonalyst
