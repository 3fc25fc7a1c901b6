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

// Tallies one activity's answers. Answers repeat the same few texts over and over, so
// they are counted by their raw text first, and each distinct text is made readable or
// classified once at the end.
class ActivityTally {
public:
    void add(const AnswerRecord& record, bool keyIsItem, QDate bucket) {
        ++m_result.answers;
        if (record.inDataFile)
            addToTrend(record, bucket);
        count(m_categories[record.category], record.correct);
        count(m_items[record.item], record.correct);
        // Key signature questions name their key as the item too.
        if (!(keyIsItem && record.key.trimmed() == record.item.trimmed()))
            count(m_keys[record.key], record.correct);
        if (record.imported || record.right.isEmpty())
            return;
        ++m_rightAnswers[record.right];
        if (!record.correct)
            ++m_wrong[{record.right, record.given}];
    }

    ActivityProgress finish(int activity) {
        std::map<std::pair<QString, QString>, Tally> items;
        auto merge = [&items](const QString& kind, const QHash<QString, Tally>& tallies, auto&& readable) {
            for (auto at = tallies.cbegin(); at != tallies.cend(); ++at) {
                const QString name = readable(at.key());
                if (name.isEmpty())
                    continue;
                Tally& tally = items[{kind, name}];
                tally.answers += at->answers;
                tally.errors += at->errors;
            }
        };
        merge(QStringLiteral("Category"), m_categories, readableAnswer);
        merge(progressItemKind(activity), m_items, readableAnswer);
        merge(QStringLiteral("Key"), m_keys, [](const QString& key) { return key.trimmed(); });
        for (const auto& [key, tally] : items)
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

        // Sorted by text first, so that equal counts come out in the same order every time.
        std::map<std::pair<QString, QString>, int> wrong;
        for (auto at = m_wrong.cbegin(); at != m_wrong.cend(); ++at)
            wrong[at.key()] = at.value();
        if (isSpellingActivity(activity)) {
            std::map<std::pair<SpellingErrorKind, QString>, int> mistakes;
            for (const auto& [answer, times] : wrong)
                for (const SpellingError& error : classifySpelling(answer.second, answer.first))
                    mistakes[{error.kind, spellingErrorDetail(error)}] += times;
            for (const auto& [key, times] : mistakes)
                m_result.mistakes.push_back({key.first, key.second, times});
            std::stable_sort(m_result.mistakes.begin(), m_result.mistakes.end(),
                             [](const SpellingMistake& a, const SpellingMistake& b) { return a.count > b.count; });
        } else {
            for (const auto& [answer, times] : wrong)
                m_result.confusions.push_back({answer.first, answer.second, times, m_rightAnswers.value(answer.first)});
            std::stable_sort(m_result.confusions.begin(), m_result.confusions.end(),
                             [](const Confusion& a, const Confusion& b) { return a.count > b.count; });
        }

        for (const auto& [start, point] : m_practice)
            m_result.practice.push_back(point);
        for (const auto& [start, point] : m_test)
            m_result.test.push_back(point);
        return std::move(m_result);
    }

private:
    static void count(Tally& tally, bool correct) {
        ++tally.answers;
        tally.errors += correct ? 0 : 1;
    }

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

    ActivityProgress m_result;
    std::map<QDate, TrendPoint> m_practice;
    std::map<QDate, TrendPoint> m_test;
    QHash<QString, Tally> m_categories;
    QHash<QString, Tally> m_items;
    QHash<QString, Tally> m_keys;
    QHash<QString, int> m_rightAnswers;
    QHash<std::pair<QString, QString>, int> m_wrong; // (right, given)
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
    std::array<bool, kProgressActivityCount> keyIsItem{};
    for (int activity = 0; activity < kProgressActivityCount; ++activity)
        keyIsItem[static_cast<std::size_t>(activity)] = progressItemKind(activity) == QLatin1String("Key");
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (local[i] < statistics.first || local[i] > statistics.last)
            continue;
        const auto activity = progressActivityOf(records[i]);
        if (activity)
            tallies[static_cast<std::size_t>(*activity)].add(records[i], keyIsItem[static_cast<std::size_t>(*activity)],
                                                              statistics.bucketStart(local[i]));
    }
    for (int activity = 0; activity < kProgressActivityCount; ++activity)
        statistics.activities[static_cast<std::size_t>(activity)] =
            tallies[static_cast<std::size_t>(activity)].finish(activity);
    return statistics;
}

} // namespace tonalyst
