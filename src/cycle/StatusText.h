#pragma once

#include <QString>

namespace tonalyst {

// Non-negative numbers are shown with a leading blank where the sign would stand.
QString numberText(qint64 value);

// The elapsed-time display: hours, minutes and seconds, each with its sign blank and no
// leading zeros (" 1: 0: 5"). Empty for a negative span, as when the clock went back.
QString elapsedText(qint64 seconds);

} // namespace tonalyst
