#include "records/Seal.h"

#include <QFileInfo>

namespace tonalyst {

namespace {

QTime wholeSeconds(QTime time) {
    return QTime(time.hour(), time.minute(), time.second());
}

} // namespace

Seal::Seal(std::optional<qint64> utcSeconds, std::optional<WallClock> local, std::optional<qint64> size)
    : m_utcSeconds(utcSeconds), m_local(local), m_size(size) {}

std::optional<Seal> Seal::ofFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    const QDateTime modified = info.lastModified();
    const QDateTime local = modified.toLocalTime();
    return Seal(modified.toSecsSinceEpoch(), WallClock{local.date(), wholeSeconds(local.time())},
                info.size());
}

std::optional<Seal> Seal::parse(QByteArrayView line) {
    QByteArrayView text = line.trimmed();
    // #yyyy-mm-dd hh:mm:ss# is 21 characters; the UTC form has a Z before the closing sign.
    const bool utc = text.size() >= 22 && text[20] == 'Z';
    const qsizetype close = utc ? 21 : 20;
    if (text.size() < close + 1 || text[0] != '#' || text[close] != '#' || text[11] != ' ')
        return std::nullopt;
    const QDate date =
        QDate::fromString(QString::fromLatin1(text.sliced(1, 10)), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(QString::fromLatin1(text.sliced(12, 8)), QStringLiteral("hh:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;

    std::optional<qint64> size;
    text = text.sliced(close + 1);
    if (!text.isEmpty()) {
        if (text.size() < 2 || text[0] != ',')
            return std::nullopt;
        for (char c : text.sliced(1)) {
            if (c < '0' || c > '9')
                return std::nullopt;
        }
        bool ok = false;
        size = text.sliced(1).toLongLong(&ok);
        if (!ok)
            return std::nullopt;
    } else if (utc) {
        return std::nullopt; // the UTC form always carries the size
    }
    if (utc)
        return Seal(QDateTime(date, time, Qt::UTC).toSecsSinceEpoch(), std::nullopt, size);
    return Seal(std::nullopt, WallClock{date, time}, size);
}

QByteArray Seal::line() const {
    QByteArray text;
    if (m_utcSeconds) {
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(*m_utcSeconds, Qt::UTC);
        text = '#' + utc.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toLatin1() + "Z#";
    } else {
        text = '#' + m_local->date.toString(QStringLiteral("yyyy-MM-dd")).toLatin1() + ' ' +
               m_local->time.toString(QStringLiteral("hh:mm:ss")).toLatin1() + '#';
    }
    if (m_size)
        text += ',' + QByteArray::number(*m_size);
    return text + "\r\n";
}

bool Seal::agreesWith(const Seal& file) const {
    bool sameTime = false;
    if (m_utcSeconds && file.m_utcSeconds)
        sameTime = *m_utcSeconds == *file.m_utcSeconds;
    else if (m_local && file.m_local)
        sameTime = *m_local == *file.m_local;
    if (!sameTime)
        return false;
    return !m_size || !file.m_size || *m_size == *file.m_size;
}

} // namespace tonalyst
