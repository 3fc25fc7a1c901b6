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

ReportFigures& ReportFigures::operator+=(const ReportFigures& part) {
    for (int row = 0; row < kCategoryCount; ++row) {
        CategoryTally& sum = categories[row];
        const CategoryTally& add = part.categories[row];
        sum.attempts += add.attempts;
        sum.spelling += add.spelling;
        sum.identification += add.identification;
        sum.earTraining += add.earTraining;
        sum.inversionsOn += add.inversionsOn;
        sum.successes += add.successes;
        sum.seconds += add.seconds;
        sum.accidentals += add.accidentals;
    }
    intervals.identification += part.intervals.identification;
    intervals.spelling += part.intervals.spelling;
    intervals.earTraining += part.intervals.earTraining;
    intervals.successes += part.intervals.successes;
    intervals.seconds += part.intervals.seconds;
    keySignatures.attempts += part.keySignatures.attempts;
    keySignatures.successes += part.keySignatures.successes;
    keySignatures.seconds += part.keySignatures.seconds;
    recordCount += part.recordCount;
    return *this;
}

} // namespace tonalyst
