#include "ReportTestKit.h"

#include "report/ReportPrinting.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tonalyst::test {
namespace {

// A report of `count` numbered lines, each naming its report: "A 1" ... "A 30".
QStringList numberedReport(const QString& name, int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("    %1 %2").arg(name).arg(i);
    return lines;
}

// The lines from..to of a report as a page shows them.
QStringList shown(const QString& name, int from, int to) {
    QStringList lines;
    for (int i = from; i <= to; ++i)
        lines << QStringLiteral("%1 %2").arg(name).arg(i);
    return lines;
}

// Which report lines a printed page shows, "A 1", "B 7" and so on, top to bottom.
QStringList linesOnPage(const QString& pdf, int page) {
    const auto text = pdfPageText(pdf, page);
    QStringList found;
    if (!text)
        return found;
    static const QRegularExpression line(QStringLiteral("\\b([A-Z]) (\\d+)\\b"));
    for (auto match = line.globalMatch(*text); match.hasNext();) {
        const auto hit = match.next();
        found << hit.captured(1) + QLatin1Char(' ') + hit.captured(2);
    }
    return found;
}

class ReportPrintingTest : public ::testing::Test {
protected:
    ReportPrintingTest() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            return;
        // How many lines one page holds, as the printing code lays them out.
        print({numberedReport(QStringLiteral("P"), 300)});
        perPage = static_cast<int>(linesOnPage(pdf, 1).size());
    }

    void print(const QList<QStringList>& reports) {
        const auto printer = openReportPrinter(QPrinterInfo(), [this] { return pdf; });
        ASSERT_NE(printer, nullptr);
        ASSERT_TRUE(printReportLines(*printer, reports));
    }

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    int perPage = 0;
};

TEST_F(ReportPrintingTest, ASecondReportStartsOnANewPageOnlyWhenTheRestOfThePageCannotHoldIt) {
    if (perPage == 0)
        GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_GT(perPage, 20);

    // Two short reports share a page.
    const int quarter = perPage / 4;
    print({numberedReport(QStringLiteral("A"), quarter), numberedReport(QStringLiteral("B"), quarter)});
    EXPECT_EQ(linesOnPage(pdf, 1), shown(QStringLiteral("A"), 1, quarter) + shown(QStringLiteral("B"), 1, quarter));

    // The second would be split: it starts on the next page, whole.
    const int twoThirds = perPage * 2 / 3;
    const int half = perPage / 2;
    print({numberedReport(QStringLiteral("A"), twoThirds), numberedReport(QStringLiteral("B"), half)});
    EXPECT_EQ(linesOnPage(pdf, 1), shown(QStringLiteral("A"), 1, twoThirds));
    EXPECT_EQ(linesOnPage(pdf, 2), shown(QStringLiteral("B"), 1, half));

    // One longer than a page starts on a new page too, and runs on.
    print({numberedReport(QStringLiteral("A"), quarter), numberedReport(QStringLiteral("B"), perPage + 3)});
    EXPECT_EQ(linesOnPage(pdf, 1), shown(QStringLiteral("A"), 1, quarter));
    EXPECT_EQ(linesOnPage(pdf, 2), shown(QStringLiteral("B"), 1, perPage));
    EXPECT_EQ(linesOnPage(pdf, 3), shown(QStringLiteral("B"), perPage + 1, perPage + 3));
}

} // namespace
} // namespace tonalyst::test
