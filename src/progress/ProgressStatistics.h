#pragma once

#include "history/AnswerFacts.h"
#include "history/AnswerRecord.h"
#include "progress/ProgressActivity.h"
#include "progress/SpellingErrors.h"
#include "records/ReportMeasures.h"

#include <QDate>
#include <QString>
#include <QTimeZone>

#include <array>
#include <memory>
#include <vector>

namespace tonalyst {

// Which answers the figures cover: the local dates from first to last, both included. An
// invalid first date means from the first answer on.
struct ProgressQuery {
    QDate first;
    QDate last;
    QTimeZone zone = QTimeZone::systemTimeZone();
};

// Longer periods are followed week by week (weeks start on Monday), shorter ones day by day.
enum class TrendStep { Day, Week };
inline constexpr int kMostDaysByDay = 31;

// The questions of one day or week: what the data file counts, one answer per question,
// imported summaries included.
struct TrendPoint {
    QDate start;
    int questions = 0;
    int right = 0;
    qint64 seconds = 0;

    // As the status panel gives it.
    int successPercent() const { return successRate(right, questions); }
    // To the tenth of a second the window shows.
    double secondsPerQuestion() const;
    bool operator==(const TrendPoint&) const = default;
};

// An item the student answers badly: a category, key, chord or interval, over every answer
// given to it (retries and review answers included); for answers named in order, each name
// at each place it was asked.
struct WeakSpot {
    QString kind; // "Category", "Key", "Chord" or "Interval"
    QString name;
    int answers = 0;
    int errors = 0;

    int successPercent() const { return successRate(answers - errors, answers); }
    bool operator==(const WeakSpot&) const = default;
};

// A right answer of an identification given as another answer, `count` times out of the
// `answers` given where `right` was right; for answers named in order, a right name given
// as another at its place, out of the times it was asked.
struct Confusion {
    QString right;
    QString given;
    int count = 0;
    int answers = 0;
    // One name of an answer heard in a key, at its place: "vi heard as IV".
    bool heard = false;
    // The menu the answers were chosen from, whose captions show them.
    ChoiceMenu menu = ChoiceMenu::None;

    // "Augmented 6 German answered as Italian", for a table whose columns give the counts;
    // the answers read as their menu shows them.
    QString what() const;
    // "Augmented 6 German answered as Italian: 7 of 19"; "♭6 heard as 5: 7 of 12".
    QString text() const;
    bool operator==(const Confusion&) const = default;
};

// A kind of written mistake with one of its instances ("A-flat for G-sharp") and how often
// that instance occurred.
struct SpellingMistake {
    SpellingErrorKind kind;
    QString detail;
    int count = 0;
    // The notes' names ("A-flat", "G-sharp"); empty for the one a missing or extra note lacks.
    QString given;
    QString right;
    bool operator==(const SpellingMistake&) const = default;
};

struct ActivityProgress {
    int answers = 0; // every answer in the period
    std::vector<TrendPoint> practice;
    std::vector<TrendPoint> test;
    std::vector<WeakSpot> weakSpots;       // lowest success rate first, only items with errors
    std::vector<Confusion> confusions;     // identification activities, most frequent first
    std::vector<SpellingMistake> mistakes; // spelling activities, most frequent first
    bool operator==(const ActivityProgress&) const = default;
};

struct ProgressStatistics {
    QDate first; // invalid when there are no answers at all
    QDate last;
    TrendStep step = TrendStep::Day;
    std::vector<ActivityProgress> activities = std::vector<ActivityProgress>(progressActivityCount());

    // The start of the day or week a date falls in.
    QDate bucketStart(QDate date) const;
    bool operator==(const ProgressStatistics&) const = default;
};

// Works the figures out from answers handed in one at a time, in any order, so that a long
// history need not be held: the figures are those computeProgress gives for the same answers.
class ProgressTally {
public:
    explicit ProgressTally(ProgressQuery query);
    ~ProgressTally();
    ProgressTally(const ProgressTally&) = delete;
    ProgressTally& operator=(const ProgressTally&) = delete;

    void add(const AnswerFacts& answer);
    // Takes in the counts of another tally of the same query, as if its answers were added here.
    void merge(const ProgressTally& other);
    ProgressStatistics finish();

private:
    struct Counts;

    ProgressQuery m_query;
    std::unique_ptr<Counts> m_counts;
};

ProgressStatistics computeProgress(const std::vector<AnswerRecord>& records, const ProgressQuery& query);

// The answers answered within the query's dates, in their order.
std::vector<AnswerRecord> answersWithin(const std::vector<AnswerRecord>& records, const ProgressQuery& query);

// A menu answer or caption as a reader wants it: " / " joins become blanks, a caption's
// trailing colon and the menus' padding go.
QString readableAnswer(const QString& answer);

} // namespace tonalyst
