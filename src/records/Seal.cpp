#include "records/Seal.h"

#include <QFileInfo>

namespace tonalyst {

Seal::Seal(QDate date, QTime time, std::optional<qint64> size) : m_date(date), m_time(time), m_size(size) {}

std::optional<Seal> Seal::ofFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    const QDateTime modified = info.lastModified();
    const QTime time = modified.time();
    return Seal(modified.date(), QTime(time.hour(), time.minute(), time.second()), info.size());
}

std::optional<Seal> Seal::parse(QByteArrayView line) {
    const QByteArrayView text = line.trimmed();
    // #yyyy-mm-dd hh:mm:ss# is 21 characters.
    if (text.size() < 21 || text[0] != '#' || text[20] != '#' || text[11] != ' ')
        return std::nullopt;
    const QDate date =
        QDate::fromString(QString::fromLatin1(text.sliced(1, 10)), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(QString::fromLatin1(text.sliced(12, 8)), QStringLiteral("hh:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    if (text.size() == 21)
        return Seal(date, time, std::nullopt);
    const QByteArrayView size = text.sliced(21);
    if (size.size() < 2 || size[0] != ',')
        return std::nullopt;
    for (char c : size.sliced(1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 bytes = size.sliced(1).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return Seal(date, time, bytes);
}

QByteArray Seal::line() const {
    QByteArray text = '#' + m_date.toString(QStringLiteral("yyyy-MM-dd")).toLatin1() + ' ' +
                      m_time.toString(QStringLiteral("hh:mm:ss")).toLatin1() + '#';
    if (m_size)
        text += ',' + QByteArray::number(*m_size);
    return text + "\r\n";
}

bool Seal::agreesWith(const Seal& file) const {
    if (m_date != file.m_date || m_time != file.m_time)
        return false;
    return !m_size || !file.m_size || *m_size == *file.m_size;
}

} // namespace tonalyst
