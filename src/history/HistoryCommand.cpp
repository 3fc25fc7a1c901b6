#include "history/HistoryCommand.h"

#include "history/AnswerExport.h"
#include "history/CommandLineApplication.h"
#include "history/HistoryStore.h"
#include "platform/FileLocations.h"

#include <optional>

namespace tonalyst {

namespace {

const QString kUsage = QStringLiteral(
    "Usage: tonalyst history --user ID [--data-dir DIR] [--from DATE --to DATE | --last N] (--csv | --json)\n"
    "\n"
    "Writes a student's answers from the answer history, oldest first, one row each.\n"
    "\n"
    "  --user ID        whose answers\n"
    "  --data-dir DIR   the folder of the history (default: the per-user data folder)\n"
    "  --from DATE      answers from this day on (YYYY-MM-DD, UTC)\n"
    "  --to DATE        answers up to and including this day\n"
    "  --last N         only the latest N answers\n"
    "  --csv            a header row, then one row per answer (RFC 4180)\n"
    "  --json           one JSON object per answer and line\n"
    "  --help           this text\n");

struct HistoryOptions {
    HistoryQuery query;
    QString dataDir;
    enum class Format { None, Csv, Json } format = Format::None;
    bool help = false;
};

std::optional<HistoryOptions> parse(const QStringList& args, QString& error) {
    HistoryOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& name = args[i];
        if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
            options.help = true;
            continue;
        }
        if (name == QStringLiteral("--csv") || name == QStringLiteral("--json")) {
            if (options.format != HistoryOptions::Format::None) {
                error = QStringLiteral("choose one of --csv and --json");
                return std::nullopt;
            }
            options.format =
                name == QStringLiteral("--csv") ? HistoryOptions::Format::Csv : HistoryOptions::Format::Json;
            continue;
        }
        const bool takesValue = name == QStringLiteral("--user") || name == QStringLiteral("--data-dir") ||
                                name == QStringLiteral("--from") || name == QStringLiteral("--to") ||
                                name == QStringLiteral("--last");
        if (!takesValue) {
            error = QStringLiteral("unknown option %1").arg(name);
            return std::nullopt;
        }
        if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
            error = QStringLiteral("%1 needs a value").arg(name);
            return std::nullopt;
        }
        const QString value = args[++i];
        if (name == QStringLiteral("--user")) {
            options.query.userId = value;
        } else if (name == QStringLiteral("--data-dir")) {
            options.dataDir = value;
        } else if (name == QStringLiteral("--last")) {
            bool number = false;
            const int last = value.toInt(&number);
            if (!number || last < 1) {
                error = QStringLiteral("--last must be a whole number of 1 or more");
                return std::nullopt;
            }
            options.query.last = last;
        } else {
            const QDate date = QDate::fromString(value, Qt::ISODate);
            if (!date.isValid() || value.size() != 10) {
                error = QStringLiteral("%1 must be a date such as 2026-03-01").arg(name);
                return std::nullopt;
            }
            (name == QStringLiteral("--from") ? options.query.from : options.query.to) = date;
        }
    }
    if (options.help)
        return options;
    if (options.query.userId.isEmpty())
        error = QStringLiteral("--user is required");
    else if (options.format == HistoryOptions::Format::None)
        error = QStringLiteral("choose --csv or --json");
    else if (options.query.last && (options.query.from || options.query.to))
        error = QStringLiteral("--last cannot be combined with --from or --to");
    else if (options.query.from && options.query.to && *options.query.from > *options.query.to)
        error = QStringLiteral("--from is after --to");
    if (!error.isEmpty())
        return std::nullopt;
    return options;
}

} // namespace

int runHistoryCommand(const QStringList& args, QIODevice& out, QTextStream& err) {
    QString error;
    const std::optional<HistoryOptions> options = parse(args, error);
    if (!options) {
        err << "tonalyst history: " << error << "\nTry 'tonalyst history --help'.\n";
        return 2;
    }
    if (options->help) {
        out.write(kUsage.toUtf8());
        return 0;
    }

    const std::unique_ptr<QCoreApplication> app = coreApplicationIfNone();

    const QString dataDir = UserFileLocations(options->dataDir).dataDir();
    HistoryStore history(HistoryStore::pathIn(dataDir));
    if (!history.open(HistoryStore::Access::ReadOnly, error) && !error.isEmpty()) {
        err << "tonalyst history: " << error << "\n";
        return 1;
    }
    // The days are UTC days, both included.
    const auto dayStart = [](QDate day) { return QDateTime(day, QTime(0, 0), Qt::UTC); };
    const HistoryQuery& query = options->query;
    const AnswerSpan span{query.userId, query.from ? std::optional(dayStart(*query.from)) : std::nullopt,
                          query.to ? std::optional(dayStart(query.to->addDays(1))) : std::nullopt,
                          query.last};
    const AnswerFormat format =
        options->format == HistoryOptions::Format::Csv ? AnswerFormat::Csv : AnswerFormat::JsonLines;
    // No history yet: no answers, in the chosen form.
    if (!history.isOpen()) {
        if (format == AnswerFormat::Csv)
            writeAnswersCsv(out, {});
        return 0;
    }
    if (!exportAnswers(history, span, format, out, error)) {
        err << "tonalyst history: " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace tonalyst
