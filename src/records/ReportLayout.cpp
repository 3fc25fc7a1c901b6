#include "records/ReportLayout.h"

#include "records/PerformanceDataFile.h"
#include "records/ReportDates.h"
#include "records/ReportMeasures.h"

#include <array>
#include <optional>

namespace tonalyst {

namespace {

const QString kNotAvailable = QStringLiteral("N/A");
const QString kNoMeasure = QStringLiteral("---");

constexpr int kColumnCount = kCategoryCount + 3;

// Where each of the nine value columns starts, counting from 1.
struct Columns {
    int firstCategory;
    int categoryStep;
    int intervals;
    int keySignatures;
    int overall;

    int at(int column) const {
        if (column < kCategoryCount)
            return firstCategory + categoryStep * column;
        return std::array{intervals, keySignatures, overall}[column - kCategoryCount];
    }
};

constexpr Columns kScreenColumns{27, 10, 87, 97, 107};
constexpr Columns kPrinterColumns{17, 9, 71, 80, 89};

// The cells of one column of the table, top to bottom.
struct ColumnCells {
    QString spelling = kNoMeasure;
    QString identification = kNoMeasure;
    QString earTraining = kNoMeasure;
    QString total;
    QString inversionsOn = kNoMeasure;
    QString successes;
    QString rate;
    QString averageSeconds;
    QString averageAccidentals = kNoMeasure;
    QString score;
};

QString whole(std::optional<qint64> value) {
    return value ? QString::number(*value) : kNotAvailable;
}

QString percent(std::optional<qint64> value) {
    return value ? QString::number(*value) + QLatin1Char('%') : kNotAvailable;
}

// A count that the report only shows when its column has attempts.
QString countIf(bool attempted, qint64 count) {
    return attempted ? QString::number(count) : kNotAvailable;
}

// Success, rate, time and score, the same in every column.
void fillMeasures(ColumnCells& cells, qint64 attempts, qint64 successes, qint64 seconds) {
    const bool attempted = attempts != 0;
    cells.total = QString::number(attempts);
    cells.successes = countIf(attempted, successes);
    cells.rate = percent(roundedShare(successes, attempts, 100));
    cells.averageSeconds = whole(roundedShare(seconds, attempts));
    cells.score = attempted ? whole(scoreOf(successes, seconds)) : kNotAvailable;
}

ColumnCells categoryCells(const CategoryTally& tally, int category) {
    ColumnCells cells;
    const bool attempted = tally.attempts != 0;
    cells.spelling = countIf(attempted, tally.spelling);
    cells.identification = countIf(attempted, tally.identification);
    // Only triads and sevenths are trained by ear.
    if (category < 2)
        cells.earTraining = countIf(attempted, tally.earTraining);
    cells.inversionsOn = countIf(attempted, tally.inversionsOn);
    fillMeasures(cells, tally.attempts, tally.successes, tally.seconds);
    cells.averageAccidentals = whole(roundedShare(tally.accidentals, tally.attempts));
    return cells;
}

ColumnCells intervalCells(const IntervalTally& tally) {
    ColumnCells cells;
    const bool attempted = tally.total() != 0;
    cells.spelling = countIf(attempted, tally.spelling);
    cells.identification = countIf(attempted, tally.identification);
    cells.earTraining = countIf(attempted, tally.earTraining);
    fillMeasures(cells, tally.total(), tally.successes, tally.seconds);
    return cells;
}

std::array<ColumnCells, kColumnCount> tableColumns(const ReportFigures& figures) {
    std::array<ColumnCells, kColumnCount> columns;
    for (int k = 0; k < kCategoryCount; ++k)
        columns[k] = categoryCells(figures.categories[k], k);
    columns[kCategoryCount] = intervalCells(figures.intervals);
    fillMeasures(columns[kCategoryCount + 1], figures.keySignatures.attempts, figures.keySignatures.successes,
                 figures.keySignatures.seconds);
    fillMeasures(columns[kCategoryCount + 2], figures.overallAttempts(), figures.overallSuccesses(),
                 figures.overallSeconds());
    return columns;
}

// Moves to the tab column; an item already past it is kept apart by one blank.
void tabTo(QString& line, int column) {
    if (line.size() < column - 1)
        line = line.leftJustified(column - 1);
    else if (line.size() > column - 1)
        line += QLatin1Char(' ');
}

QString tabbedRow(const QString& label, const std::array<QString, kColumnCount>& cells,
                  const Columns& columns) {
    QString line = label;
    for (int column = 0; column < kColumnCount; ++column) {
        tabTo(line, columns.at(column));
        line += cells[column];
    }
    return line;
}

struct TableRow {
    QString screenLabel;
    QString printerLabel;
    QString ColumnCells::*cell;
};

const std::array<TableRow, 10> kRows{{
    {QStringLiteral("    spelling attempts"), QStringLiteral("   spelling"), &ColumnCells::spelling},
    {QStringLiteral("    identification attempts"), QStringLiteral("   identify"),
     &ColumnCells::identification},
    {QStringLiteral("    ear train attempts"), QStringLiteral("   ear train"), &ColumnCells::earTraining},
    {QStringLiteral("    total attempts"), QStringLiteral("   total"), &ColumnCells::total},
    {QStringLiteral("    with inversions on"), QStringLiteral("   inversion on"), &ColumnCells::inversionsOn},
    {QStringLiteral("    # of successes"), QStringLiteral("   successes"), &ColumnCells::successes},
    {QStringLiteral("    success rate"), QStringLiteral("   success %"), &ColumnCells::rate},
    {QStringLiteral("    avg time/ques (sec)"), QStringLiteral("   avg time/q"),
     &ColumnCells::averageSeconds},
    {QStringLiteral("    avg # sharp/flat"), QStringLiteral("   avg shrp/flt"),
     &ColumnCells::averageAccidentals},
    {QStringLiteral("    SCORE"), QStringLiteral("   SCORE"), &ColumnCells::score},
}};
constexpr int kRowBeforeGap = 4; // an empty line follows the inversions row

QStringList tableLines(const ReportFigures& figures, ReportMedium medium) {
    const bool screen = medium == ReportMedium::Screen;
    const Columns& columns = screen ? kScreenColumns : kPrinterColumns;
    const std::array<ColumnCells, kColumnCount> table = tableColumns(figures);

    const std::array<QString, kColumnCount> headings{QStringLiteral("Triad"),
                                                     QStringLiteral("Seventh"),
                                                     QStringLiteral("V7 of"),
                                                     QStringLiteral("vii7 of"),
                                                     QStringLiteral("Aug-6th"),
                                                     QStringLiteral("Flat-II"),
                                                     screen ? QStringLiteral("Intervals")
                                                            : QStringLiteral("Interval"),
                                                     QStringLiteral("Keysig"),
                                                     QStringLiteral("OVERALL")};
    QStringList lines{tabbedRow(QString(), headings, columns), QString()};
    for (int row = 0; row < static_cast<int>(kRows.size()); ++row) {
        std::array<QString, kColumnCount> cells;
        for (int column = 0; column < kColumnCount; ++column)
            cells[column] = table[column].*kRows[row].cell;
        lines << tabbedRow(screen ? kRows[row].screenLabel : kRows[row].printerLabel, cells, columns);
        if (row == kRowBeforeGap)
            lines << QString();
    }
    return lines;
}

QString periodLine(const ReportHeading& heading, ReportMedium medium) {
    const auto date = medium == ReportMedium::Screen ? reportDate : paddedReportDate;
    QString line = QStringLiteral("    Performance Report for period :") + date(heading.start) +
                   QStringLiteral(" to ") + date(heading.end);
    tabTo(line, 67);
    return line + QStringLiteral("User ID : ") + heading.userId;
}

QStringList warningLines(const ReportHeading& heading, ReportSourceCheck check) {
    if (check == ReportSourceCheck::Vouched || PerformanceDataFile::isGuardedBySeal(heading.sourceName))
        return {};
    return {QStringLiteral("    WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL")};
}

} // namespace

QStringList reportLines(const ReportFigures& figures, const ReportHeading& heading, ReportMedium medium,
                        ReportSourceCheck check) {
    QStringList lines;
    if (medium == ReportMedium::Screen) {
        lines << QString() << periodLine(heading, medium)
              << QStringLiteral("    Report Type : ") + heading.reportType
              << QStringLiteral("    Data Source File : ") + heading.sourceName << warningLines(heading, check)
              << QString() << tableLines(figures, medium) << QString();
        return lines;
    }
    const QString source = QStringLiteral("    Data Source File : ") + heading.sourceName;
    lines << QString() << QString() << periodLine(heading, medium) << QString() << source.leftJustified(66)
          << QString() << QStringLiteral("    Method reported on : ") + heading.reportType << QString()
          << warningLines(heading, check) << QString() << tableLines(figures, medium) << QString() << QString()
          << QString();
    return lines;
}

} // namespace tonalyst
