#pragma once

#include <QDateTime>

namespace tonalyst {

// The wall clock. Elapsed time, the idle limit and record dates all read it, so a
// test can move time forward without waiting.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace tonalyst
