#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace tonalyst {

// Which answers of one user to read back. Dates are UTC calendar days, both included;
// with `last` only the most recent that many answers (within the dates) are returned.
struct HistoryQuery {
    QString userId;
    std::optional<QDate> from;
    std::optional<QDate> to;
    std::optional<int> last;
};

} // namespace tonalyst
