#include "progress/ProgressCommand.h"

#include "cli/CommandParser.h"
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

constexpr int kUnreadable = 1;
// As the Progress window opens.
constexpr int kDefaultDays = 30;
constexpr int kMostDays = 36500;

QString usage() {
    return QCoreApplication::translate(
        "ProgressCommand",
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
}

// The dates the options ask for, or why they cannot be read.
std::optional<ProgressQuery> readPeriod(const CommandPeriod& period, QDate today, QString& error) {
    ProgressQuery query;
    query.last = today;
    if (period.from.isEmpty() && period.to.isEmpty()) {
        query.first = today.addDays(1 - period.lastDays.value_or(kDefaultDays));
        return query;
    }
    for (const auto& [name, text, date] :
         {std::tuple{"--from", period.from, &query.first}, std::tuple{"--to", period.to, &query.last}}) {
        if (text.isEmpty())
            continue;
        const std::optional<QDate> typed = parseTypedDate(text, today);
        if (!typed) {
            error = QCoreApplication::translate("ProgressCommand",
                                                "%1 needs a date such as 2026-05-06 or 6 May 26, not \"%2\"")
                        .arg(QLatin1String(name), text);
            return std::nullopt;
        }
        *date = *typed;
    }
    if (query.first.isValid() && query.first > query.last) {
        error = QCoreApplication::translate("ProgressCommand", "--from is after --to");
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
    CommandParser parser(QStringLiteral("progress"), usage());
    parser.addUser(true);
    parser.addDataDir();
    parser.addPeriod(kMostDays);
    parser.addFlag(QStringLiteral("json"));
    parser.require(QStringLiteral("json"));
    if (const auto reply = parser.parse(args)) {
        if (reply->exitCode == 0)
            out.write(reply->text.toUtf8());
        else
            err << reply->text;
        return reply->exitCode;
    }
    const QString userId = parser.value(QStringLiteral("user"));
    const QString dataDir = parser.value(QStringLiteral("data-dir"));
    ProgressDesktop desktop = systemProgressDesktop(UserFileLocations(dataDir).dataDir(), userId);
    QString error;
    const std::optional<ProgressQuery> query =
        readPeriod(parser.period(), clock.now().toTimeZone(desktop.zone).date(), error);
    if (!query) {
        err << parser.refuse(error).text;
        return kBadUsage;
    }

    const std::unique_ptr<QCoreApplication> app = coreApplicationIfNone();
    // The window shows an empty period for a history not made yet; a script asking for
    // figures is told that there is none to read.
    const QString path = HistoryStore::pathIn(UserFileLocations(dataDir).dataDir());
    if (!QFileInfo::exists(path)) {
        err << QCoreApplication::translate("ProgressCommand",
                                           "tonalyst progress: there is no answer history %1\n")
                   .arg(QDir::toNativeSeparators(path));
        return kUnreadable;
    }
    const FiguresLoad load = desktop.loadFigures(*query);
    if (!load.error.isEmpty()) {
        err << QCoreApplication::translate("ProgressCommand", "tonalyst progress: %1\n").arg(load.error);
        return kUnreadable;
    }

    const ProgressStatistics& statistics = load.statistics;
    QJsonArray activities;
    for (int activity = 0; activity < progressActivityCount(); ++activity) {
        const ActivityProgress& progress = statistics.activities[static_cast<std::size_t>(activity)];
        if (progress.answers > 0)
            activities.append(activityJson(activity, progress));
    }
    const QJsonObject figures{
        {QStringLiteral("user"), userId},
        {QStringLiteral("from"),
         statistics.first.isValid() ? QJsonValue(isoDate(statistics.first)) : QJsonValue()},
        {QStringLiteral("to"), isoDate(statistics.last)},
        {QStringLiteral("step"),
         statistics.step == TrendStep::Week ? QStringLiteral("week") : QStringLiteral("day")},
        {QStringLiteral("activities"), activities}};
    if (out.write(QJsonDocument(figures).toJson(QJsonDocument::Indented)) < 0) {
        err << QCoreApplication::translate("ProgressCommand",
                                           "tonalyst progress: the figures could not be written: %1\n")
                   .arg(out.errorString());
        return kUnreadable;
    }
    return 0;
}

} // namespace tonalyst
