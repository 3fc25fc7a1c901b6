#include "cycle/RunCounters.h"

#include "cycle/StatusText.h"
#include "records/ReportMeasures.h"

#include <QCoreApplication>

#include <cmath>

namespace tonalyst {

void RunCounters::addAnswer(qint64 seconds) {
    ++m_pendingcount;
    m_totalanswertime += seconds;
}

qint64 RunCounters::avganswertime() const {
    if (m_pendingcount == 0)
        return 0;
    return static_cast<qint64>(std::floor(static_cast<double>(m_totalanswertime) / m_pendingcount));
}

int RunCounters::successrate() const {
    return successRate(m_successcount, m_pendingcount);
}

std::optional<qint16> RunCounters::score() const {
    const qint64 average = avganswertime();
    if (average == 0)
        return std::nullopt;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<qint16>(std::nearbyint(100.0 * successrate() / static_cast<double>(average)));
}

StatusValues RunCounters::statusValues() const {
    StatusValues values;
    values.timePerQuestion =
        QCoreApplication::translate("RunCounters", "%1 sec").arg(numberText(avganswertime()));
    values.successes = numberText(m_successcount);
    values.successRate = numberText(successrate()) + QStringLiteral(" %");
    if (const auto current = score())
        values.score = numberText(*current);
    return values;
}

} // namespace tonalyst
