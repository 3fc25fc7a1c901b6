#include "records/ReportMeasures.h"

namespace tonalyst {

std::optional<qint64> roundedShare(qint64 numerator, qint64 denominator, qint64 scale) {
    if (denominator == 0)
        return std::nullopt;
    qint64 scaled = scale * numerator;
    if (denominator < 0) {
        scaled = -scaled;
        denominator = -denominator;
    }
    const bool negative = scaled < 0;
    const qint64 magnitude = negative ? -scaled : scaled;
    const qint64 rounded = (2 * magnitude + denominator) / (2 * denominator);
    return negative ? -rounded : rounded;
}

int successRate(qint64 successes, qint64 answers) {
    if (answers == 0)
        return 0;
    const float rate = static_cast<float>(successes) / static_cast<float>(answers) * 100.0f;
    return static_cast<int>(rate);
}

std::optional<qint64> scoreOf(qint64 successes, qint64 seconds) {
    if (seconds == 0)
        return std::nullopt;
    const qint64 numerator = 10000 * successes;
    qint64 quotient = numerator / seconds;
    if (numerator % seconds != 0 && ((numerator < 0) != (seconds < 0)))
        --quotient;
    return quotient;
}

} // namespace tonalyst
