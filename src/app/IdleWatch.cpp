#include "app/IdleWatch.h"

namespace tonalyst {

namespace {

// Counted on the real time line, so that putting the clocks back for winter time does
// not give an idle student an extra hour. Every time zone offset is a whole number of
// minutes, so these minutes begin where the wall clock's do.
qint64 minuteNumber(const QDateTime& moment) {
    const qint64 seconds = moment.toSecsSinceEpoch();
    // Rounds towards minus infinity so moments before 1970 fall into the right minute.
    return seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
}

} // namespace

void IdleWatch::setLimit(Limit minutes, const QDateTime& now) {
    m_lastActivity = now;
    m_limit = minutes;
}

bool IdleWatch::shutdownDue(const QDateTime& now) {
    if (!m_limit)
        return false;
    m_idleMinutes = minuteBoundariesBetween(m_lastActivity, now);
    return m_idleMinutes > *m_limit;
}

qint64 IdleWatch::minuteBoundariesBetween(const QDateTime& from, const QDateTime& to) {
    return minuteNumber(to) - minuteNumber(from);
}

} // namespace tonalyst
