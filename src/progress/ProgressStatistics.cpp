#include "progress/ProgressStatistics.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <map>

namespace tonalyst {

namespace {

// Local dates of UTC times. Converting each time through the zone is slow on a big
// history, and offsets change only on the hour, so the offset is kept per hour.
class LocalDates {
public:
    explicit LocalDates(QTimeZone zone) : m_zone(std::move(zone)) {}

    QDate of(const QDateTime& utc) {
        const qint64 secs = utc.toSecsSinceEpoch();
        const qint64 hour = secs - ((secs % 3600) + 3600) % 3600;
        if (hour != m_hour) {
            m_hour = hour;
            m_offset = m_zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(hour, Qt::UTC));
        }
        return QDateTime::fromSecsSinceEpoch(secs + m_offset, Qt::UTC).date();
    }

private:
    QTimeZone m_zone;
    qint64 m_hour = -1;
    int m_offset = 0;
};

struct Tally {
    int answers = 0;
    int errors = 0;
};

class ActivityTally {
public:
    void add(const AnswerRecord& record, int activity, QDate bucket) {
        ++m_result.answers;
        if (record.inDataFile)
            addToTrend(record, bucket);
        addWeakSpots(record, activity);
        if (record.imported)
            return;
        if (isSpellingActivity(activity)) {
            if (!record.correct)
                addMistakes(record);
        } else if (!record.right.isEmpty()) {
            ++m_rightAnswers[record.right];
            if (!record.correct)
                ++m_confusions[{record.right, record.given}];
        }
    }

    ActivityProgress finish() {
        for (const auto& [key, tally] : m_items)
            if (tally.errors > 0)
                m_result.weakSpots.push_back({key.first, key.second, tally.answers, tally.errors});
        std::sort(m_result.weakSpots.begin(), m_result.weakSpots.end(), [](const WeakSpot& a, const WeakSpot& b) {
            const qint64 byRate = qint64(a.answers - a.errors) * b.answers - qint64(b.answers - b.errors) * a.answers;
            if (byRate != 0)
                return byRate < 0;
            if (a.errors != b.errors)
                return a.errors > b.errors;
            return std::tie(a.kind, a.name) < std::tie(b.kind, b.name);
        });

        for (const auto& [key, count] : m_confusions)
            m_result.confusions.push_back({key.first, key.second, count, m_rightAnswers.value(key.first)});
        std::stable_sort(m_result.confusions.begin(), m_result.confusions.end(),
                         [](const Confusion& a, const Confusion& b) { return a.count > b.count; });

        for (const auto& [key, count] : m_mistakes)
            m_result.mistakes.push_back({key.first, key.second, count});
        std::stable_sort(m_result.mistakes.begin(), m_result.mistakes.end(),
                         [](const SpellingMistake& a, const SpellingMistake& b) { return a.count > b.count; });

        for (const auto& [start, point] : m_practice)
            m_result.practice.push_back(point);
        for (const auto& [start, point] : m_test)
            m_result.test.push_back(point);
        return std::move(m_result);
    }

private:
    void addToTrend(const AnswerRecord& record, QDate bucket) {
        std::map<QDate, TrendPoint>* trend = nullptr;
        if (record.method == QLatin1String("practice"))
            trend = &m_practice;
        else if (record.method == QLatin1String("test"))
            trend = &m_test;
        else
            return;
        TrendPoint& point = (*trend)[bucket];
        point.start = bucket;
        ++point.questions;
        point.right += record.correct ? 1 : 0;
        point.seconds += record.seconds;
    }

    void addWeakSpots(const AnswerRecord& record, int activity) {
        const QString itemKind = progressItemKind(activity);
        const QString item = readableAnswer(record.item);
        const QString key = record.key.trimmed();
        addItem(QStringLiteral("Category"), readableAnswer(record.category), record.correct);
        addItem(itemKind, item, record.correct);
        // Key signature questions name their key as the item too.
        if (!(itemKind == QLatin1String("Key") && key == item))
            addItem(QStringLiteral("Key"), key, record.correct);
    }

    void addItem(const QString& kind, const QString& name, bool correct) {
        if (name.isEmpty())
            return;
        Tally& tally = m_items[{kind, name}];
        ++tally.answers;
        tally.errors += correct ? 0 : 1;
    }

    void addMistakes(const AnswerRecord& record) {
        for (const SpellingError& error : classifySpelling(record.given, record.right))
            ++m_mistakes[{error.kind, spellingErrorDetail(error)}];
    }

    ActivityProgress m_result;
    std::map<QDate, TrendPoint> m_practice;
    std::map<QDate, TrendPoint> m_test;
    std::map<std::pair<QString, QString>, Tally> m_items;
    QHash<QString, int> m_rightAnswers;
    std::map<std::pair<QString, QString>, int> m_confusions;
    std::map<std::pair<SpellingErrorKind, QString>, int> m_mistakes;
};

} // namespace

QString Confusion::text() const {
    const QStringList rightParts = right.split(QStringLiteral(" / "));
    const QStringList givenParts = given.split(QStringLiteral(" / "));
    // What the two share at the front is said once: "Augmented 6 German answered as Italian".
    qsizetype shared = 0;
    while (shared < rightParts.size() && shared + 1 < givenParts.size() &&
           rightParts[shared].trimmed() == givenParts[shared].trimmed())
        ++shared;
    const QString givenText = given.trimmed().isEmpty()
                                  ? QStringLiteral("nothing")
                                  : readableAnswer(givenParts.mid(shared).join(QStringLiteral(" / ")));
    return QStringLiteral("%1 answered as %2: %3 of %4").arg(readableAnswer(right), givenText).arg(count).arg(answers);
}

QString readableAnswer(const QString& answer) {
    QStringList parts;
    for (QString part : answer.split(QStringLiteral(" / "))) {
        part = part.simplified();
        if (part.endsWith(QLatin1Char(':')))
            part = part.chopped(1).trimmed();
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(QLatin1Char(' '));
}

QDate ProgressStatistics::bucketStart(QDate date) const {
    return step == TrendStep::Week ? date.addDays(1 - date.dayOfWeek()) : date;
}

std::vector<AnswerRecord> answersWithin(const std::vector<AnswerRecord>& records, const ProgressQuery& query) {
    LocalDates dates(query.zone);
    std::vector<AnswerRecord> within;
    for (const AnswerRecord& record : records) {
        const QDate date = dates.of(record.answeredUtc);
        if ((!query.first.isValid() || date >= query.first) && (!query.last.isValid() || date <= query.last))
            within.push_back(record);
    }
    return within;
}

ProgressStatistics computeProgress(const std::vector<AnswerRecord>& records, const ProgressQuery& query) {
    LocalDates dates(query.zone);
    std::vector<QDate> local;
    local.reserve(records.size());
    QDate earliest;
    for (const AnswerRecord& record : records) {
        local.push_back(dates.of(record.answeredUtc));
        if (!earliest.isValid() || local.back() < earliest)
            earliest = local.back();
    }

    ProgressStatistics statistics;
    statistics.first = query.first.isValid() ? query.first : earliest;
    statistics.last = query.last;
    if (!statistics.first.isValid() || !statistics.last.isValid())
        return statistics;
    statistics.step =
        statistics.first.daysTo(statistics.last) + 1 > kMostDaysByDay ? TrendStep::Week : TrendStep::Day;

    std::array<ActivityTally, kProgressActivityCount> tallies;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (local[i] < statistics.first || local[i] > statistics.last)
            continue;
        const auto activity = progressActivityOf(records[i]);
        if (activity)
            tallies[static_cast<std::size_t>(*activity)].add(records[i], *activity, statistics.bucketStart(local[i]));
    }
    for (int activity = 0; activity < kProgressActivityCount; ++activity)
        statistics.activities[static_cast<std::size_t>(activity)] =
            tallies[static_cast<std::size_t>(activity)].finish();
    return statistics;
}

} // namespace tonalyst
