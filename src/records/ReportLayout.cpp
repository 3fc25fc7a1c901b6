#include "records/ReportLayout.h"

#include "records/PerformanceDataFile.h"
#include "records/ReportDates.h"
#include "records/ReportMeasures.h"

#include <QCoreApplication>

#include <array>
#include <optional>

namespace tonalyst {

namespace {

QString notAvailable() {
    return QCoreApplication::translate("ReportLayout", "N/A");
}
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
    return value ? QString::number(*value) : notAvailable();
}

QString percent(std::optional<qint64> value) {
    return value ? QString::number(*value) + QLatin1Char('%') : notAvailable();
}

// A count that the report only shows when its column has attempts.
QString countIf(bool attempted, qint64 count) {
    return attempted ? QString::number(count) : notAvailable();
}

// Success, rate, time and score, the same in every column.
void fillMeasures(ColumnCells& cells, qint64 attempts, qint64 successes, qint64 seconds) {
    const bool attempted = attempts != 0;
    cells.total = QString::number(attempts);
    cells.successes = countIf(attempted, successes);
    cells.rate = percent(roundedShare(successes, attempts, 100));
    cells.averageSeconds = whole(roundedShare(seconds, attempts));
    cells.score = attempted ? whole(scoreOf(successes, seconds)) : notAvailable();
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
    const char* screenLabel; // translated where shown
    const char* printerLabel;
    QString ColumnCells::*cell;
};

const std::array<TableRow, 10> kRows{{
    {QT_TRANSLATE_NOOP("ReportLayout", "    spelling attempts"),
     QT_TRANSLATE_NOOP("ReportLayout", "   spelling"), &ColumnCells::spelling},
    {QT_TRANSLATE_NOOP("ReportLayout", "    identification attempts"),
     QT_TRANSLATE_NOOP("ReportLayout", "   identify"), &ColumnCells::identification},
    {QT_TRANSLATE_NOOP("ReportLayout", "    ear train attempts"),
     QT_TRANSLATE_NOOP("ReportLayout", "   ear train"), &ColumnCells::earTraining},
    {QT_TRANSLATE_NOOP("ReportLayout", "    total attempts"), QT_TRANSLATE_NOOP("ReportLayout", "   total"),
     &ColumnCells::total},
    {QT_TRANSLATE_NOOP("ReportLayout", "    with inversions on"),
     QT_TRANSLATE_NOOP("ReportLayout", "   inversion on"), &ColumnCells::inversionsOn},
    {QT_TRANSLATE_NOOP("ReportLayout", "    # of successes"),
     QT_TRANSLATE_NOOP("ReportLayout", "   successes"), &ColumnCells::successes},
    {QT_TRANSLATE_NOOP("ReportLayout", "    success rate"), QT_TRANSLATE_NOOP("ReportLayout", "   success %"),
     &ColumnCells::rate},
    {QT_TRANSLATE_NOOP("ReportLayout", "    avg time/ques (sec)"),
     QT_TRANSLATE_NOOP("ReportLayout", "   avg time/q"), &ColumnCells::averageSeconds},
    {QT_TRANSLATE_NOOP("ReportLayout", "    avg # sharp/flat"),
     QT_TRANSLATE_NOOP("ReportLayout", "   avg shrp/flt"), &ColumnCells::averageAccidentals},
    {QT_TRANSLATE_NOOP("ReportLayout", "    SCORE"), QT_TRANSLATE_NOOP("ReportLayout", "   SCORE"),
     &ColumnCells::score},
}};
constexpr int kRowBeforeGap = 4; // an empty line follows the inversions row

QStringList tableLines(const ReportFigures& figures, ReportMedium medium) {
    const bool screen = medium == ReportMedium::Screen;
    const Columns& columns = screen ? kScreenColumns : kPrinterColumns;
    const std::array<ColumnCells, kColumnCount> table = tableColumns(figures);

    const std::array<QString, kColumnCount> headings{
        QCoreApplication::translate("ReportLayout", "Triad"),
        QCoreApplication::translate("ReportLayout", "Seventh"),
        QCoreApplication::translate("ReportLayout", "V7 of"),
        QCoreApplication::translate("ReportLayout", "vii7 of"),
        QCoreApplication::translate("ReportLayout", "Aug-6th"),
        QCoreApplication::translate("ReportLayout", "Flat-II"),
        screen ? QCoreApplication::translate("ReportLayout", "Intervals")
               : QCoreApplication::translate("ReportLayout", "Interval"),
        QCoreApplication::translate("ReportLayout", "Keysig"),
        QCoreApplication::translate("ReportLayout", "OVERALL")};
    QStringList lines{tabbedRow(QString(), headings, columns), QString()};
    for (int row = 0; row < static_cast<int>(kRows.size()); ++row) {
        std::array<QString, kColumnCount> cells;
        for (int column = 0; column < kColumnCount; ++column)
            cells[column] = table[column].*kRows[row].cell;
        lines << tabbedRow(QCoreApplication::translate("ReportLayout", screen ? kRows[row].screenLabel
                                                                              : kRows[row].printerLabel),
                           cells, columns);
        if (row == kRowBeforeGap)
            lines << QString();
    }
    return lines;
}

QString periodLine(const ReportHeading& heading, ReportMedium medium) {
    const auto date = medium == ReportMedium::Screen ? reportDate : paddedReportDate;
    QString line = QCoreApplication::translate("ReportLayout", "    Performance Report for period :%1 to %2")
                       .arg(date(heading.start), date(heading.end));
    tabTo(line, 67);
    return line + QCoreApplication::translate("ReportLayout", "User ID : %1").arg(heading.userId);
}

// The report type's code ("composite") in the reader's language.
QString shownReportType(const QString& code) {
    static constexpr std::array kTypes{
        QT_TRANSLATE_NOOP("ReportLayout", "test"), QT_TRANSLATE_NOOP("ReportLayout", "practice"),
        QT_TRANSLATE_NOOP("ReportLayout", "both"), QT_TRANSLATE_NOOP("ReportLayout", "composite")};
    for (const char* type : kTypes)
        if (code == QLatin1String(type))
            return QCoreApplication::translate("ReportLayout", type);
    return code;
}

QStringList warningLines(const ReportHeading& heading, ReportSourceCheck check) {
    if (check == ReportSourceCheck::Vouched || PerformanceDataFile::isGuardedBySeal(heading.sourceName))
        return {};
    return {QCoreApplication::translate("ReportLayout",
                                        "    WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL")};
}

} // namespace

QStringList reportLines(const ReportFigures& figures, const ReportHeading& heading, ReportMedium medium,
                        ReportSourceCheck check) {
    QStringList lines;
    if (medium == ReportMedium::Screen) {
        lines << QString() << periodLine(heading, medium)
              << QCoreApplication::translate("ReportLayout", "    Report Type : %1")
                     .arg(shownReportType(heading.reportType))
              << QCoreApplication::translate("ReportLayout", "    Data Source File : %1")
                     .arg(heading.sourceName)
              << warningLines(heading, check) << QString() << tableLines(figures, medium) << QString();
        return lines;
    }
    const QString source =
        QCoreApplication::translate("ReportLayout", "    Data Source File : %1").arg(heading.sourceName);
    lines << QString() << QString() << periodLine(heading, medium) << QString() << source.leftJustified(66)
          << QString()
          << QCoreApplication::translate("ReportLayout", "    Method reported on : %1")
                 .arg(shownReportType(heading.reportType))
          << QString() << warningLines(heading, check) << QString() << tableLines(figures, medium)
          << QString() << QString() << QString();
    return lines;
}

} // namespace tonalyst
