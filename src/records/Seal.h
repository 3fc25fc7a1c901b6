#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace tonalyst {

// What the seal remembers of the data file as the program last left it: its
// last-modified time, to the second, and its size. Two appends within one second leave
// the same time, so the size is what tells a foreign edit made within that second apart.
//
// The time is kept in UTC, so travelling, a changed system zone or the end of summer
// time cannot make the program's own file look edited. Seals from earlier versions hold
// the local wall-clock time (and before that, no size); they are still read, and compared
// with the file's local time as they always were.
class Seal {
public:
    // The data file as it is now; nullopt when it does not exist.
    static std::optional<Seal> ofFile(const QString& path);
    // A seal line as written by line(), or one of the earlier forms; nullopt for anything else.
    static std::optional<Seal> parse(QByteArrayView line);

    // "#yyyy-mm-dd hh:mm:ssZ#,size" (UTC) and CR LF.
    QByteArray line() const;

    // True when a data file with this stamp is the one the seal was written for.
    bool agreesWith(const Seal& file) const;

private:
    struct WallClock {
        QDate date;
        QTime time;
        bool operator==(const WallClock&) const = default;
    };

    Seal(std::optional<qint64> utcSeconds, std::optional<WallClock> local, std::optional<qint64> size);

    std::optional<qint64> m_utcSeconds; // seconds since the epoch
    std::optional<WallClock> m_local;   // only in seals of earlier versions, and in a file's stamp
    std::optional<qint64> m_size;
};

} // namespace tonalyst
