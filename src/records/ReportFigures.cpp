#include "records/ReportFigures.h"

namespace tonalyst {

qint64 ReportFigures::overallAttempts() const {
    qint64 sum = intervals.total() + keySignatures.attempts;
    for (const CategoryTally& row : categories)
        sum += row.attempts;
    return sum;
}

qint64 ReportFigures::overallSuccesses() const {
    qint64 sum = intervals.successes + keySignatures.successes;
    for (const CategoryTally& row : categories)
        sum += row.successes;
    return sum;
}

qint64 ReportFigures::overallSeconds() const {
    qint64 sum = intervals.seconds + keySignatures.seconds;
    for (const CategoryTally& row : categories)
        sum += row.seconds;
    return sum;
}

} // namespace tonalyst
