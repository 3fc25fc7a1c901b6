#include "history/HistoryCommand.h"

#include "cli/CommandParser.h"
#include "history/AnswerExport.h"
#include "history/CommandLineApplication.h"
#include "history/HistoryStore.h"
#include "platform/Clock.h"
#include "platform/FileLocations.h"

#include <limits>
#include <optional>
#include <tuple>

namespace tonalyst {

namespace {

// No answer is older than the program; --last has a bound only so that it stays a date.
constexpr int kMostDays = 36500;

QString usage() {
    return QCoreApplication::translate(
        "HistoryCommand",
        "Usage: tonalyst history --user ID [--data-dir DIR] [--from DATE --to DATE | --last N]\n"
        "                        [--answers N] (--csv | --json)\n"
        "\n"
        "Writes a student's answers from the answer history, oldest first, one row each.\n"
        "\n"
        "  --user ID        whose answers\n"
        "  --data-dir DIR   the folder of the history (default: the per-user data folder)\n"
        "  --from DATE      answers from this day on (YYYY-MM-DD, UTC)\n"
        "  --to DATE        answers up to and including this day\n"
        "  --last N         the last N days up to today (UTC), as in every tonalyst command\n"
        "  --answers N      only the latest N answers of the period (what --last used to mean)\n"
        "  --csv            a header row, then one row per answer (RFC 4180)\n"
        "  --json           one JSON object per answer and line\n"
        "  --help           this text\n");
}

// The UTC days asked for, both included, or why the dates cannot be read.
std::optional<HistoryQuery> readPeriod(const CommandPeriod& period, QDate today, QString& problem) {
    HistoryQuery query;
    if (period.lastDays) {
        query.from = today.addDays(1 - *period.lastDays);
        query.to = today;
        return query;
    }
    for (const auto& [name, text, day] :
         {std::tuple{"--from", period.from, &query.from}, std::tuple{"--to", period.to, &query.to}}) {
        if (text.isEmpty())
            continue;
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (!date.isValid() || text.size() != 10) {
            problem = QCoreApplication::translate("HistoryCommand", "%1 must be a date such as 2026-03-01")
                          .arg(QLatin1String(name));
            return std::nullopt;
        }
        *day = date;
    }
    if (query.from && query.to && *query.from > *query.to) {
        problem = QCoreApplication::translate("HistoryCommand", "--from is after --to");
        return std::nullopt;
    }
    return query;
}

} // namespace

int runHistoryCommand(const QStringList& args, QIODevice& out, QTextStream& err, const Clock& clock) {
    CommandParser parser(QStringLiteral("history"), usage());
    parser.addUser(true);
    parser.addDataDir();
    parser.addPeriod(kMostDays);
    parser.addNumber(QStringLiteral("answers"), 1, std::numeric_limits<int>::max());
    parser.addFlag(QStringLiteral("csv"));
    parser.addFlag(QStringLiteral("json"));
    if (const auto reply = parser.parse(args)) {
        if (reply->exitCode == 0)
            out.write(reply->text.toUtf8());
        else
            err << reply->text;
        return reply->exitCode;
    }
    const bool csv = parser.isSet(QStringLiteral("csv"));
    QString error;
    if (csv == parser.isSet(QStringLiteral("json")))
        error = QCoreApplication::translate("HistoryCommand", "choose one of --csv and --json");
    std::optional<HistoryQuery> query;
    if (error.isEmpty())
        query = readPeriod(parser.period(), clock.now().toUTC().date(), error);
    if (!query) {
        err << parser.refuse(error).text;
        return kBadUsage;
    }
    query->userId = parser.value(QStringLiteral("user"));
    query->last = parser.number(QStringLiteral("answers"));

    const std::unique_ptr<QCoreApplication> app = coreApplicationIfNone();

    const QString dataDir = UserFileLocations(parser.value(QStringLiteral("data-dir"))).dataDir();
    HistoryStore history(HistoryStore::pathIn(dataDir));
    if (!history.open(HistoryStore::Access::ReadOnly, error) && !error.isEmpty()) {
        err << QCoreApplication::translate("HistoryCommand", "tonalyst history: %1\n").arg(error);
        return 1;
    }
    // The days are UTC days, both included.
    const auto dayStart = [](QDate day) { return QDateTime(day, QTime(0, 0), Qt::UTC); };
    const AnswerSpan span{query->userId, query->from ? std::optional(dayStart(*query->from)) : std::nullopt,
                          query->to ? std::optional(dayStart(query->to->addDays(1))) : std::nullopt,
                          query->last};
    const AnswerFormat format = csv ? AnswerFormat::Csv : AnswerFormat::JsonLines;
    // No history yet: no answers, in the chosen form.
    if (!history.isOpen()) {
        if (format == AnswerFormat::Csv)
            writeAnswersCsv(out, {});
        return 0;
    }
    if (!exportAnswers(history, span, format, out, error)) {
        err << QCoreApplication::translate("HistoryCommand", "tonalyst history: %1\n").arg(error);
        return 1;
    }
    return 0;
}

} // namespace tonalyst
