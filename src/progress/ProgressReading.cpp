#include "progress/ProgressReading.h"

#include "history/HistoryStore.h"

#include <future>

namespace tonalyst {

namespace {

// No zone is a day or more away from UTC, so these bounds hold every answer of the local
// dates; the tally sorts out the ones on either side.
constexpr int kDaysAround = 2;

std::optional<QDateTime> utcMidnight(QDate day) {
    if (!day.isValid())
        return std::nullopt;
    return QDateTime(day, QTime(0, 0), Qt::UTC);
}

} // namespace

std::optional<ProgressStatistics> readProgress(HistoryStore& store, const QString& userId,
                                               const ProgressQuery& query) {
    // From the first answer on: every answer counts towards finding the first.
    const std::optional<QDateTime> from =
        query.first.isValid() ? utcMidnight(query.first.addDays(-kDaysAround)) : std::nullopt;
    const std::optional<QDateTime> to =
        query.first.isValid() ? utcMidnight(query.last.addDays(1 + kDaysAround)) : std::nullopt;

    // Reading is most of the work, and it is the copying of each answer out of the file that
    // takes the time, not the disk: two readers of half the answers each take half as long.
    ProgressTally other(query);
    std::future<bool> otherRead = std::async(std::launch::async, [&] {
        HistoryStore second(store.filePath());
        QString notice;
        return second.open(HistoryStore::Access::ReadOnly, notice) &&
               second.readFacts(userId, from, to, [&other](const AnswerFacts& answer) { other.add(answer); },
                                {1, 2});
    });
    ProgressTally tally(query);
    const bool read =
        store.readFacts(userId, from, to, [&tally](const AnswerFacts& answer) { tally.add(answer); }, {0, 2});
    if (!otherRead.get() || !read)
        return std::nullopt;
    tally.merge(other);
    return tally.finish();
}

} // namespace tonalyst
