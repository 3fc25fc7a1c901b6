#include "report/ReportCommand.h"

#include "cli/CommandParser.h"
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

QString usage() {
    return QCoreApplication::translate(
        "ReportCommand",
        "Usage: tonalyst report --user ID [options]\n"
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
}

struct ReportArguments {
    QString userId;
    QString source = QStringLiteral("varen.dat");
    bool sourceGiven = false;
    QString dataDir;
    CommandPeriod period;
    QString type = QStringLiteral("composite");
    QString pdf;
};

// Messages keep their CR LF line breaks; a terminal wants plain ones.
QString plain(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The arguments, or what to answer instead of a report.
std::optional<ReportArguments> readArguments(const QStringList& arguments, CommandReply& reply) {
    CommandParser parser(QStringLiteral("report"), usage());
    parser.addUser(true);
    parser.addDataDir();
    parser.addPeriod(kMostDays);
    for (const QString& name : {QStringLiteral("data"), QStringLiteral("type"), QStringLiteral("pdf")})
        parser.addValue(name);
    if (const auto answer = parser.parse(arguments)) {
        reply = *answer;
        return std::nullopt;
    }
    ReportArguments parsed;
    parsed.userId = parser.value(QStringLiteral("user"));
    parsed.sourceGiven = parser.isSet(QStringLiteral("data"));
    if (parsed.sourceGiven)
        parsed.source = parser.value(QStringLiteral("data"));
    parsed.dataDir = parser.value(QStringLiteral("data-dir"));
    parsed.period = parser.period();
    parsed.pdf = parser.value(QStringLiteral("pdf"));
    if (parser.isSet(QStringLiteral("type"))) {
        parsed.type = parser.value(QStringLiteral("type"));
        if (!QStringList{"test", "practice", "both", "composite"}.contains(parsed.type)) {
            reply = parser.refuse(QCoreApplication::translate(
                "ReportCommand", "--type must be one of test, practice, both or composite"));
            return std::nullopt;
        }
    }
    return parsed;
}

// The period the arguments ask for, or the date message that refuses it.
std::optional<QString> readPeriod(const ReportArguments& arguments, QDate today, QDate& start, QDate& end) {
    const CommandPeriod& period = arguments.period;
    if (period.from.isEmpty() && period.to.isEmpty()) {
        end = today;
        start = today.addDays(-(period.lastDays.value_or(7) - 1));
        return std::nullopt;
    }
    // The forms the report dialog takes, and nothing after them.
    const auto typedEnd = period.to.isEmpty() ? std::optional(today) : parseTypedDate(period.to, today);
    if (!typedEnd)
        return invalidEndDateMessage();
    const auto typedStart = parseTypedDate(period.from, today);
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
    CommandReply reply;
    const std::optional<ReportArguments> read = readArguments(arguments, reply);
    if (!read) {
        (reply.exitCode == 0 ? out : err) << reply.text;
        return reply.exitCode;
    }
    const ReportArguments& parsed = *read;

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
