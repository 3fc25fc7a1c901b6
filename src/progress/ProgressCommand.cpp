#include "progress/ProgressCommand.h"

#include "history/CommandLineApplication.h"
#include "history/HistoryStore.h"
#include "platform/FileLocations.h"
#include "progress/ProgressDesktop.h"
#include "records/ReportDates.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>
#include <optional>
#include <tuple>

namespace tonalyst {

namespace {

constexpr int kRefused = 2;
constexpr int kUnreadable = 1;
// As the Progress window opens.
constexpr int kDefaultDays = 30;
constexpr int kMostDays = 36500;

const QString kUsage = QStringLiteral(
    "Usage: tonalyst progress --user ID [--data-dir DIR] [--from DATE --to DATE | --last N] --json\n"
    "\n"
    "Writes the figures of Utility > Progress for a period as one JSON object: per activity\n"
    "and day (week, beyond 31 days) the questions, success rate and seconds per question of\n"
    "practice and test, the weak spots, the confusions and the kinds of spelling mistake.\n"
    "Days are local days, as in the window.\n"
    "\n"
    "  --user ID        whose answers\n"
    "  --data-dir DIR   the folder of the history (default: the per-user data folder)\n"
    "  --last N         the last N days up to today (default: 30)\n"
    "  --from DATE      first day, as 2026-05-06 or 6 May 26 (default with --to: the first\n"
    "                   answer)\n"
    "  --to DATE        last day (default: today)\n"
    "  --json           the figures as JSON (the only form)\n"
    "  --help           this text\n");

struct ProgressOptions {
    QString userId;
    QString dataDir;
    std::optional<int> lastDays;
    QString from;
    QString to;
    bool json = false;
    bool help = false;
};

std::optional<ProgressOptions> parse(const QStringList& args, QString& error) {
    ProgressOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& name = args[i];
        if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
            options.help = true;
            continue;
        }
        if (name == QStringLiteral("--json")) {
            options.json = true;
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
            options.userId = value;
        } else if (name == QStringLiteral("--data-dir")) {
            options.dataDir = value;
        } else if (name == QStringLiteral("--last")) {
            bool number = false;
            const int days = value.toInt(&number);
            if (!number || days < 1 || days > kMostDays) {
                error = QStringLiteral("--last needs a number of days from 1 to %1").arg(kMostDays);
                return std::nullopt;
            }
            options.lastDays = days;
        } else {
            (name == QStringLiteral("--from") ? options.from : options.to) = value;
        }
    }
    if (options.help)
        return options;
    if (options.userId.isEmpty())
        error = QStringLiteral("--user is required");
    else if (!options.json)
        error = QStringLiteral("--json is required");
    else if (options.lastDays && (!options.from.isEmpty() || !options.to.isEmpty()))
        error = QStringLiteral("--last cannot be combined with --from or --to");
    if (!error.isEmpty())
        return std::nullopt;
    return options;
}

// The dates the options ask for, or why they cannot be read.
std::optional<ProgressQuery> readPeriod(const ProgressOptions& options, QDate today, QString& error) {
    ProgressQuery query;
    query.last = today;
    if (options.from.isEmpty() && options.to.isEmpty()) {
        query.first = today.addDays(1 - options.lastDays.value_or(kDefaultDays));
        return query;
    }
    for (const auto& [name, text, date] :
         {std::tuple{"--from", options.from, &query.first}, std::tuple{"--to", options.to, &query.last}}) {
        if (text.isEmpty())
            continue;
        const std::optional<QDate> typed = parseTypedDate(text, today);
        if (!typed) {
            error = QStringLiteral("%1 needs a date such as 2026-05-06 or 6 May 26, not \"%2\"")
                        .arg(QLatin1String(name), text);
            return std::nullopt;
        }
        *date = *typed;
    }
    if (query.first.isValid() && query.first > query.last) {
        error = QStringLiteral("--from is after --to");
        return std::nullopt;
    }
    return query;
}

QString isoDate(QDate date) {
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString kindCode(SpellingErrorKind kind) {
    switch (kind) {
    case SpellingErrorKind::Enharmonic:
        return QStringLiteral("right-pitch-wrong-spelling");
    case SpellingErrorKind::WrongAccidental:
        return QStringLiteral("wrong-accidental");
    case SpellingErrorKind::WrongMember:
        return QStringLiteral("wrong-note");
    case SpellingErrorKind::Missing:
        return QStringLiteral("missing-note");
    case SpellingErrorKind::Extra:
        return QStringLiteral("extra-note");
    case SpellingErrorKind::WrongOctave:
        return QStringLiteral("wrong-octave");
    case SpellingErrorKind::Unreadable:
        break;
    }
    return QStringLiteral("unreadable");
}

// Empty names are absent notes: null, not an empty name.
QJsonValue nameOrNull(const QString& name) {
    return name.isEmpty() ? QJsonValue() : QJsonValue(name);
}

QJsonArray trendJson(const std::vector<TrendPoint>& points) {
    QJsonArray trend;
    for (const TrendPoint& point : points)
        trend.append(QJsonObject{{QStringLiteral("start"), isoDate(point.start)},
                                 {QStringLiteral("questions"), point.questions},
                                 {QStringLiteral("successRate"), point.successPercent()},
                                 {QStringLiteral("secondsPerQuestion"), point.secondsPerQuestion()}});
    return trend;
}

QJsonObject activityJson(int activity, const ActivityProgress& progress) {
    QJsonArray weakSpots;
    for (const WeakSpot& spot : progress.weakSpots)
        weakSpots.append(QJsonObject{{QStringLiteral("kind"), spot.kind},
                                     {QStringLiteral("name"), spot.name},
                                     {QStringLiteral("successRate"), spot.successPercent()},
                                     {QStringLiteral("errors"), spot.errors},
                                     {QStringLiteral("answers"), spot.answers}});
    QJsonObject json{{QStringLiteral("activity"), progressActivityName(activity)},
                     {QStringLiteral("answers"), progress.answers},
                     {QStringLiteral("practice"), trendJson(progress.practice)},
                     {QStringLiteral("test"), trendJson(progress.test)},
                     {QStringLiteral("weakSpots"), weakSpots}};
    if (isSpellingActivity(activity)) {
        QJsonArray mistakes;
        for (const SpellingMistake& mistake : progress.mistakes)
            mistakes.append(QJsonObject{{QStringLiteral("kind"), kindCode(mistake.kind)},
                                        {QStringLiteral("given"), nameOrNull(mistake.given)},
                                        {QStringLiteral("right"), nameOrNull(mistake.right)},
                                        {QStringLiteral("times"), mistake.count}});
        json.insert(QStringLiteral("mistakes"), mistakes);
    } else {
        QJsonArray confusions;
        for (const Confusion& confusion : progress.confusions)
            confusions.append(QJsonObject{{QStringLiteral("right"), readableAnswer(confusion.right)},
                                          {QStringLiteral("given"), readableAnswer(confusion.given)},
                                          {QStringLiteral("times"), confusion.count},
                                          {QStringLiteral("of"), confusion.answers}});
        json.insert(QStringLiteral("confusions"), confusions);
    }
    return json;
}

} // namespace

int runProgressCommand(const QStringList& args, QIODevice& out, QTextStream& err, const Clock& clock) {
    QString error;
    const std::optional<ProgressOptions> options = parse(args, error);
    if (!options) {
        err << "tonalyst progress: " << error << "\nTry 'tonalyst progress --help'.\n";
        return kRefused;
    }
    if (options->help) {
        out.write(kUsage.toUtf8());
        return 0;
    }
    ProgressDesktop desktop =
        systemProgressDesktop(UserFileLocations(options->dataDir).dataDir(), options->userId);
    const std::optional<ProgressQuery> query =
        readPeriod(*options, clock.now().toTimeZone(desktop.zone).date(), error);
    if (!query) {
        err << "tonalyst progress: " << error << "\nTry 'tonalyst progress --help'.\n";
        return kRefused;
    }

    const std::unique_ptr<QCoreApplication> app = coreApplicationIfNone();
    // The window shows an empty period for a history not made yet; a script asking for
    // figures is told that there is none to read.
    const QString path = HistoryStore::pathIn(UserFileLocations(options->dataDir).dataDir());
    if (!QFileInfo::exists(path)) {
        err << "tonalyst progress: there is no answer history " << QDir::toNativeSeparators(path) << "\n";
        return kUnreadable;
    }
    const FiguresLoad load = desktop.loadFigures(*query);
    if (!load.error.isEmpty()) {
        err << "tonalyst progress: " << load.error << "\n";
        return kUnreadable;
    }

    const ProgressStatistics& statistics = load.statistics;
    QJsonArray activities;
    for (int activity = 0; activity < kProgressActivityCount; ++activity) {
        const ActivityProgress& progress = statistics.activities[static_cast<std::size_t>(activity)];
        if (progress.answers > 0)
            activities.append(activityJson(activity, progress));
    }
    const QJsonObject figures{
        {QStringLiteral("user"), options->userId},
        {QStringLiteral("from"),
         statistics.first.isValid() ? QJsonValue(isoDate(statistics.first)) : QJsonValue()},
        {QStringLiteral("to"), isoDate(statistics.last)},
        {QStringLiteral("step"),
         statistics.step == TrendStep::Week ? QStringLiteral("week") : QStringLiteral("day")},
        {QStringLiteral("activities"), activities}};
    if (out.write(QJsonDocument(figures).toJson(QJsonDocument::Indented)) < 0) {
        err << "tonalyst progress: the figures could not be written: " << out.errorString() << "\n";
        return kUnreadable;
    }
    return 0;
}

} // namespace tonalyst
