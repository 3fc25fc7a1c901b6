#pragma once

#include <QDateTime>

#include <optional>

namespace tonalyst {

// Ends an unattended run: remembers when the student last did something and how many
// idle minutes are allowed. The main window's one-second timer asks shutdownDue().
class IdleWatch {
public:
    // Allowed idle minutes; no value means "never".
    using Limit = std::optional<int>;

    // An accepted answer counts as activity.
    void touch(const QDateTime& now) { m_lastActivity = now; }

    // The auto-shutdown dialog's OK: the count starts again from this moment.
    void setLimit(Limit minutes, const QDateTime& now);

    // True once more minute boundaries than the limit have passed since the last
    // activity. Minute boundaries, not elapsed time: with a limit of 5 the run ends
    // somewhere between 5 and 6 minutes after the last activity, depending on the seconds.
    bool shutdownDue(const QDateTime& now);

    Limit limit() const { return m_limit; }
    QDateTime lastActivity() const { return m_lastActivity; }
    // As counted by the last shutdownDue() that had a limit to check.
    qint64 idleMinutes() const { return m_idleMinutes; }

    // Minute boundaries crossed between two moments (negative if `to` is earlier).
    static qint64 minuteBoundariesBetween(const QDateTime& from, const QDateTime& to);

private:
    Limit m_limit;
    QDateTime m_lastActivity;
    qint64 m_idleMinutes = 0;
};

} // namespace tonalyst
