#include "cycle/StatusText.h"

namespace tonalyst {

QString numberText(qint64 value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString elapsedText(qint64 seconds) {
    // Whole minutes and hours round towards minus infinity, so a negative span gives
    // negative hours and an empty display.
    const auto floorDiv = [](qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); };
    qint64 minutes = floorDiv(seconds, 60);
    const qint64 hours = floorDiv(minutes, 60);
    seconds -= 60 * minutes;
    minutes -= 60 * hours;
    if (hours < 0)
        return {};
    return numberText(hours) + QLatin1Char(':') + numberText(minutes) + QLatin1Char(':') + numberText(seconds);
}

} // namespace tonalyst
