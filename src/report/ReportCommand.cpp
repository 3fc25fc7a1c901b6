#include "report/ReportCommand.h"

#include "platform/Clock.h"
#include "platform/FileLocations.h"
#include "platform/PrintingApplication.h"
#include "records/RecordMessages.h"
#include "records/ReportCompiler.h"
#include "records/ReportDates.h"
#include "records/ReportLayout.h"
#include "records/ReportMessages.h"
#include "records/ReportSource.h"
#include "report/ReportPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>

#include <memory>
#include <optional>

namespace tonalyst {

namespace {

constexpr int kRefused = 2;
constexpr int kMostDays = 31;

const QString kUsage =
    QStringLiteral("Usage: tonalyst report --user ID [options]\n"
                   "\n"
                   "Compiles a performance report from a data file, as Utility > Performance Report does.\n"
                   "\n"
                   "Options:\n"
                   "  --user ID         the user to report on (required)\n"
                   "  --data FILE       the data file (default: varen.dat in the data folder)\n"
                   "  --data-dir DIR    the data folder (default: ~/.local/share/tonalyst)\n"
                   "  --last N          the last N days up to today, 1 to 31 (default: 7)\n"
                   "  --from DATE       first day, as 1998-05-06 or 6 May 98 (with --to: the last day,\n"
                   "                    default today)\n"
                   "  --to DATE\n"
                   "  --type TYPE       test, practice, both or composite (default: composite)\n"
                   "  --pdf FILE        print the report into a PDF file instead of showing it\n"
                   "  --help            show this text\n");

struct ReportArguments {
    QString userId;
    QString source = QStringLiteral("varen.dat");
    bool sourceGiven = false;
    QString dataDir;
    std::optional<int> lastDays;
    QString from;
    QString to;
    QString type = QStringLiteral("composite");
    QString pdf;
    bool help = false;
};

// Messages keep their CR LF line breaks; a terminal wants plain ones.
QString plain(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::optional<QString> readArguments(const QStringList& arguments, ReportArguments& parsed) {
    const QStringList takesValue{QStringLiteral("--user"),     QStringLiteral("--data"),
                                 QStringLiteral("--data-dir"), QStringLiteral("--last"),
                                 QStringLiteral("--from"),     QStringLiteral("--to"),
                                 QStringLiteral("--type"),     QStringLiteral("--pdf")};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        QString value;
        if (option == QStringLiteral("--help") || option == QStringLiteral("-h")) {
            parsed.help = true;
            continue;
        }
        if (const qsizetype equals = option.indexOf(QLatin1Char('=')); equals > 0) {
            value = option.mid(equals + 1);
            option = option.left(equals);
        } else if (takesValue.contains(option)) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a value.").arg(option);
            value = arguments[++i];
        }
        if (!takesValue.contains(option))
            return QStringLiteral("Unknown option: %1").arg(arguments[i]);
        if (value.isEmpty())
            return QStringLiteral("%1 needs a value.").arg(option);

        if (option == QStringLiteral("--user")) {
            parsed.userId = value;
        } else if (option == QStringLiteral("--data")) {
            parsed.source = value;
            parsed.sourceGiven = true;
        } else if (option == QStringLiteral("--data-dir")) {
            parsed.dataDir = value;
        } else if (option == QStringLiteral("--last")) {
            bool ok = false;
            const int days = value.toInt(&ok);
            if (!ok || days < 1 || days > kMostDays)
                return QStringLiteral("--last needs a number of days from 1 to %1.").arg(kMostDays);
            parsed.lastDays = days;
        } else if (option == QStringLiteral("--from")) {
            parsed.from = value;
        } else if (option == QStringLiteral("--to")) {
            parsed.to = value;
        } else if (option == QStringLiteral("--type")) {
            if (!QStringList{"test", "practice", "both", "composite"}.contains(value))
                return QStringLiteral("--type is one of test, practice, both or composite.");
            parsed.type = value;
        } else {
            parsed.pdf = value;
        }
    }
    if (parsed.userId.isEmpty())
        return QStringLiteral("--user is required.");
    if (parsed.lastDays && (!parsed.from.isEmpty() || !parsed.to.isEmpty()))
        return QStringLiteral("Give either --last or --from and --to, not both.");
    return std::nullopt;
}

// The period the arguments ask for, or the date message that refuses it.
std::optional<QString> readPeriod(const ReportArguments& arguments, QDate today, QDate& start, QDate& end) {
    if (arguments.from.isEmpty() && arguments.to.isEmpty()) {
        end = today;
        start = today.addDays(-(arguments.lastDays.value_or(7) - 1));
        return std::nullopt;
    }
    // The forms the report dialog takes, and nothing after them.
    const auto typedEnd = arguments.to.isEmpty() ? std::optional(today) : parseTypedDate(arguments.to, today);
    if (!typedEnd)
        return invalidEndDateMessage();
    const auto typedStart = parseTypedDate(arguments.from, today);
    if (!typedStart)
        return invalidStartDateMessage();
    end = *typedEnd;
    start = *typedStart;
    if (start > end)
        return startAfterEndMessage();
    return std::nullopt;
}

} // namespace

int runReportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    ReportArguments parsed;
    if (const auto problem = readArguments(arguments, parsed)) {
        if (!parsed.help) {
            err << *problem << "\n\n" << kUsage;
            return kRefused;
        }
    }
    if (parsed.help) {
        out << kUsage;
        return 0;
    }

    const SystemClock clock;
    const UserFileLocations files(parsed.dataDir);
    QDate start;
    QDate end;
    if (const auto refusal = readPeriod(parsed, clock.now().date(), start, end)) {
        err << *refusal << '\n';
        return kRefused;
    }

    QString sealProblem;
    switch (checkReportSeal(parsed.source, files, clock, &sealProblem)) {
    case ReportSeal::Passed:
        break;
    case ReportSeal::Broken:
        err << unauthorizedModificationMessage() << '\n';
        return kRefused;
    case ReportSeal::Unreadable:
        err << plain(reportFileProblemMessage()) << '\n' << sealProblem << '\n';
        return kRefused;
    }

    // A file named on the command line is found from the current folder, like any other
    // command's; without one, the program's own data file is the source.
    const QString path = parsed.sourceGiven ? QFileInfo(parsed.source).absoluteFilePath()
                                            : reportSourcePath(parsed.source, files);
    const QStringList halves = parsed.type == QStringLiteral("both")
                                   ? QStringList{QStringLiteral("test"), QStringLiteral("practice")}
                                   : QStringList{parsed.type};
    const ReportMedium medium = parsed.pdf.isEmpty() ? ReportMedium::Screen : ReportMedium::Printer;
    QList<QStringList> reports;
    qint64 records = 0;
    for (const QString& half : halves) {
        const QString method = half == QStringLiteral("composite") ? QString() : half;
        QString problem;
        const auto figures = compileReport(path, {parsed.userId, start, end, method}, &problem);
        if (!figures) {
            err << plain(reportFileProblemMessage()) << '\n'
                << QDir::toNativeSeparators(path) << ": " << problem << '\n';
            return kRefused;
        }
        reports << reportLines(*figures, {start, end, half, parsed.source, parsed.userId}, medium);
        records = figures->recordCount;
    }

    if (medium == ReportMedium::Screen) {
        for (const QStringList& lines : std::as_const(reports))
            out << lines.join(QLatin1Char('\n')) << '\n';
    } else {
        const auto gui = guiForPrinting();
        const auto printer = openReportPrinter(QPrinterInfo(), [&parsed] { return parsed.pdf; });
        if (!printReportLines(*printer, reports)) {
            err << reportGenerationErrorMessage() << '\n';
            return kRefused;
        }
    }
    if (records > kArchiveAdviceRecords)
        err << plain(recordCountAdviceMessage(parsed.source, records)) << '\n';
    return 0;
}

} // namespace tonalyst
