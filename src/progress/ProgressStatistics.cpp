#include "progress/ProgressStatistics.h"

#include "captions/AnswerCaptions.h"
#include "history/NamedPlaces.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>

namespace tonalyst {

namespace {

// Local dates of UTC times. Converting each time through the zone is slow on a big
// history, and offsets change only on the hour, so the offset is kept per hour.
class LocalDates {
public:
    explicit LocalDates(QTimeZone zone) : m_zone(std::move(zone)) {}

    QDate of(const QDateTime& utc) { return ofSecs(utc.toSecsSinceEpoch()); }

    QDate ofSecs(qint64 secs) {
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

// What the tally of an activity's answers asks of the activity, asked once.
struct ActivityKind {
    bool keyIsItem = false;
    bool namesInOrder = false;
    bool keepsDataFileRecords = true;
};

// Tallies one activity's answers. Answers repeat the same few texts over and over, so
// they are counted by their raw text first, and each distinct text is made readable or
// classified once at the end.
class ActivityTally {
public:
    void add(const AnswerFacts& answer, const ActivityKind& kind, QDate day) {
        ++m_result.answers;
        // The data file's questions; where it keeps none, each question's first answer.
        if (answer.inDataFile || (!kind.keepsDataFileRecords && answer.attempt == 1 && !answer.imported))
            addToTrend(answer, day);
        count(m_categories[answer.category], answer.correct);
        // Key signature questions name their key as the item too.
        if (!(kind.keyIsItem && answer.key.trimmed() == answer.item.trimmed()))
            count(m_keys[answer.key], answer.correct);
        if (kind.namesInOrder && !answer.imported && !answer.right.isEmpty()) {
            for (const NamedPlace& place : namedPlaces(answer.right, answer.given)) {
                count(m_items[place.right], place.given == place.right);
                ++m_rightAnswers[place.right];
                if (place.given != place.right)
                    ++m_wrong[{place.right, place.given}];
            }
            return;
        }
        count(m_items[answer.item], answer.correct);
        if (answer.imported || answer.right.isEmpty())
            return;
        ++m_rightAnswers[answer.right];
        if (!answer.correct)
            ++m_wrong[{answer.right, answer.given}];
    }

    void merge(const ActivityTally& other) {
        m_result.answers += other.m_result.answers;
        mergeTrend(m_practice, other.m_practice);
        mergeTrend(m_test, other.m_test);
        for (auto [mine, theirs] : {std::pair{&m_categories, &other.m_categories},
                                    std::pair{&m_items, &other.m_items}, std::pair{&m_keys, &other.m_keys}})
            for (auto at = theirs->cbegin(); at != theirs->cend(); ++at) {
                Tally& tally = (*mine)[at.key()];
                tally.answers += at->answers;
                tally.errors += at->errors;
            }
        for (auto at = other.m_rightAnswers.cbegin(); at != other.m_rightAnswers.cend(); ++at)
            m_rightAnswers[at.key()] += at.value();
        for (auto at = other.m_wrong.cbegin(); at != other.m_wrong.cend(); ++at)
            m_wrong[at.key()] += at.value();
    }

    ActivityProgress finish(int activity, const ProgressStatistics& statistics) {
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
        std::sort(m_result.weakSpots.begin(), m_result.weakSpots.end(),
                  [](const WeakSpot& a, const WeakSpot& b) {
                      const qint64 byRate =
                          qint64(a.answers - a.errors) * b.answers - qint64(b.answers - b.errors) * a.answers;
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
            std::map<std::pair<SpellingErrorKind, QString>, SpellingMistake> mistakes;
            const auto name = [](const std::optional<Pitch>& note) {
                return note ? QString::fromStdString(noteName(*note)) : QString();
            };
            for (const auto& [answer, times] : wrong)
                for (const SpellingError& error : classifySpelling(answer.second, answer.first)) {
                    const QString detail = spellingErrorDetail(error);
                    SpellingMistake& mistake = mistakes[{error.kind, detail}];
                    mistake = {error.kind, detail, mistake.count + times, name(error.given),
                               name(error.right)};
                }
            for (const auto& [key, mistake] : mistakes)
                m_result.mistakes.push_back(mistake);
            std::stable_sort(
                m_result.mistakes.begin(), m_result.mistakes.end(),
                [](const SpellingMistake& a, const SpellingMistake& b) { return a.count > b.count; });
        } else {
            const bool heard = namesInOrder(activity);
            const ChoiceMenu menu = answerMenu(activity);
            for (const auto& [answer, times] : wrong)
                m_result.confusions.push_back(
                    {answer.first, answer.second, times, m_rightAnswers.value(answer.first), heard, menu});
            std::stable_sort(m_result.confusions.begin(), m_result.confusions.end(),
                             [](const Confusion& a, const Confusion& b) { return a.count > b.count; });
        }

        m_result.practice = trend(m_practice, statistics);
        m_result.test = trend(m_test, statistics);
        return std::move(m_result);
    }

private:
    static void count(Tally& tally, bool correct) {
        ++tally.answers;
        tally.errors += correct ? 0 : 1;
    }

    // Days first: whether the period goes by day or by week is known once every answer is in.
    void addToTrend(const AnswerFacts& answer, QDate day) {
        std::map<QDate, TrendPoint>* trend = nullptr;
        if (answer.method == QLatin1String("practice"))
            trend = &m_practice;
        else if (answer.method == QLatin1String("test"))
            trend = &m_test;
        else
            return;
        TrendPoint& point = (*trend)[day];
        ++point.questions;
        point.right += answer.correct ? 1 : 0;
        point.seconds += answer.seconds;
    }

    static void mergeTrend(std::map<QDate, TrendPoint>& days, const std::map<QDate, TrendPoint>& more) {
        for (const auto& [day, counts] : more) {
            TrendPoint& point = days[day];
            point.questions += counts.questions;
            point.right += counts.right;
            point.seconds += counts.seconds;
        }
    }

    static std::vector<TrendPoint> trend(const std::map<QDate, TrendPoint>& days,
                                         const ProgressStatistics& statistics) {
        std::vector<TrendPoint> points;
        for (const auto& [day, counts] : days) {
            const QDate start = statistics.bucketStart(day);
            if (points.empty() || points.back().start != start)
                points.push_back({start, 0, 0, 0});
            points.back().questions += counts.questions;
            points.back().right += counts.right;
            points.back().seconds += counts.seconds;
        }
        return points;
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

QString Confusion::what() const {
    const QString shownRight = shownMenuAnswer(menu, right);
    const QString shownGiven = shownMenuAnswer(menu, given);
    const QStringList rightParts = shownRight.split(QStringLiteral(" / "));
    const QStringList givenParts = shownGiven.split(QStringLiteral(" / "));
    // What the two share at the front is said once: "Augmented 6 German answered as Italian".
    qsizetype shared = 0;
    while (shared < rightParts.size() && shared + 1 < givenParts.size() &&
           rightParts[shared].trimmed() == givenParts[shared].trimmed())
        ++shared;
    const QString givenText = shownGiven.trimmed().isEmpty()
                                  ? QCoreApplication::translate("ProgressStatistics", "nothing")
                                  : readableAnswer(givenParts.mid(shared).join(QStringLiteral(" / ")));
    if (heard)
        return QCoreApplication::translate("ProgressStatistics", "%1 heard as %2").arg(right, givenText);
    return QCoreApplication::translate("ProgressStatistics", "%1 answered as %2")
        .arg(readableAnswer(shownRight), givenText);
}

QString Confusion::text() const {
    return QCoreApplication::translate("ProgressStatistics", "%1: %2 of %3")
        .arg(what())
        .arg(count)
        .arg(answers);
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

double TrendPoint::secondsPerQuestion() const {
    return questions ? std::round(10.0 * static_cast<double>(seconds) / questions) / 10.0 : 0.0;
}

QDate ProgressStatistics::bucketStart(QDate date) const {
    return step == TrendStep::Week ? date.addDays(1 - date.dayOfWeek()) : date;
}

std::vector<AnswerRecord> answersWithin(const std::vector<AnswerRecord>& records,
                                        const ProgressQuery& query) {
    LocalDates dates(query.zone);
    std::vector<AnswerRecord> within;
    for (const AnswerRecord& record : records) {
        const QDate date = dates.of(record.answeredUtc);
        if ((!query.first.isValid() || date >= query.first) && (!query.last.isValid() || date <= query.last))
            within.push_back(record);
    }
    return within;
}

struct ProgressTally::Counts {
    explicit Counts(const QTimeZone& zone)
        : dates(zone), tallies(progressActivityCount()), kinds(progressActivityCount()) {
        for (int activity = 0; activity < progressActivityCount(); ++activity)
            kinds[static_cast<std::size_t>(activity)] = {progressItemKind(activity) == QLatin1String("Key"),
                                                         namesInOrder(activity),
                                                         keepsDataFileRecords(activity)};
    }

    LocalDates dates;
    QDate earliest;
    std::vector<ActivityTally> tallies;
    std::vector<ActivityKind> kinds;
};

ProgressTally::ProgressTally(ProgressQuery query)
    : m_query(std::move(query)), m_counts(std::make_unique<Counts>(m_query.zone)) {}

ProgressTally::~ProgressTally() = default;

void ProgressTally::add(const AnswerFacts& answer) {
    const QDate date = m_counts->dates.ofSecs(answer.answeredSecs);
    if (!m_counts->earliest.isValid() || date < m_counts->earliest)
        m_counts->earliest = date;
    // Without a first day the period starts with the earliest answer, which this one is
    // not before.
    if ((m_query.first.isValid() && date < m_query.first) || !m_query.last.isValid() || date > m_query.last)
        return;
    const auto activity = progressActivityOf(answer);
    if (activity) {
        const auto at = static_cast<std::size_t>(*activity);
        m_counts->tallies[at].add(answer, m_counts->kinds[at], date);
    }
}

void ProgressTally::merge(const ProgressTally& other) {
    if (!m_counts->earliest.isValid() ||
        (other.m_counts->earliest.isValid() && other.m_counts->earliest < m_counts->earliest))
        m_counts->earliest = other.m_counts->earliest;
    for (std::size_t activity = 0; activity < m_counts->tallies.size(); ++activity)
        m_counts->tallies[activity].merge(other.m_counts->tallies[activity]);
}

ProgressStatistics ProgressTally::finish() {
    ProgressStatistics statistics;
    statistics.first = m_query.first.isValid() ? m_query.first : m_counts->earliest;
    statistics.last = m_query.last;
    if (!statistics.first.isValid() || !statistics.last.isValid())
        return statistics;
    statistics.step =
        statistics.first.daysTo(statistics.last) + 1 > kMostDaysByDay ? TrendStep::Week : TrendStep::Day;
    for (int activity = 0; activity < progressActivityCount(); ++activity)
        statistics.activities[static_cast<std::size_t>(activity)] =
            m_counts->tallies[static_cast<std::size_t>(activity)].finish(activity, statistics);
    return statistics;
}

ProgressStatistics computeProgress(const std::vector<AnswerRecord>& records, const ProgressQuery& query) {
    ProgressTally tally(query);
    for (const AnswerRecord& record : records)
        tally.add(factsOf(record));
    return tally.finish();
}

} // namespace tonalyst
