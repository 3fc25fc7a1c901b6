#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace tonalyst {

// What the seal remembers of the data file as the program last left it: its
// last-modified time, to the second, on the local wall clock, and its size. Two appends
// within one second leave the same time, so the size is what tells a foreign edit made
// within that second apart. Seals from before the size was kept hold the time alone.
class Seal {
public:
    // The data file as it is now; nullopt when it does not exist.
    static std::optional<Seal> ofFile(const QString& path);
    // A seal line as written by line(), or the time alone; nullopt for anything else.
    static std::optional<Seal> parse(QByteArrayView line);

    // "#yyyy-mm-dd hh:mm:ss#,size" and CR LF.
    QByteArray line() const;

    // True when a data file with this stamp is the one the seal was written for. The
    // wall-clock fields are compared, not instants, so an hour that the clock repeats
    // when summer time ends cannot make the program's own file look edited.
    bool agreesWith(const Seal& file) const;

private:
    Seal(QDate date, QTime time, std::optional<qint64> size);

    QDate m_date;
    QTime m_time;
    std::optional<qint64> m_size;
};

} // namespace tonalyst
