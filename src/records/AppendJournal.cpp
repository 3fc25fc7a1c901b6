#include "records/AppendJournal.h"

#include "records/DurableFile.h"

#include <QCoreApplication>
#include <QFile>

namespace tonalyst {

namespace {

const QByteArray kHeaderWord = QByteArrayLiteral("TONALYST-APPEND");

} // namespace

AppendJournal::AppendJournal(QString path) : m_path(std::move(path)) {}

std::optional<QString> AppendJournal::commit(const Entry& entry) const {
    const QByteArray header = kHeaderWord + ' ' + QByteArray::number(entry.baseSize) + ' ' +
                              QByteArray::number(entry.lines.size()) + "\n";
    return replaceDurably(m_path, header + entry.lines);
}

std::optional<QString> AppendJournal::remove() const {
    return removeDurably(m_path);
}

AppendJournal::State AppendJournal::state() const {
    if (!QFile::exists(m_path))
        return State::Absent;
    return load() ? State::Present : State::Damaged;
}

std::optional<AppendJournal::Entry> AppendJournal::load() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = file.readLine(200);
    const QList<QByteArray> words = header.trimmed().split(' ');
    if (words.size() != 3 || words[0] != kHeaderWord)
        return std::nullopt;
    bool baseOk = false;
    bool lengthOk = false;
    const qint64 baseSize = words[1].toLongLong(&baseOk);
    const qint64 length = words[2].toLongLong(&lengthOk);
    if (!baseOk || !lengthOk || baseSize < 0 || length <= 0)
        return std::nullopt;
    QByteArray lines = file.readAll();
    if (lines.size() != length || !lines.endsWith("\r\n"))
        return std::nullopt;
    return Entry{baseSize, std::move(lines)};
}

std::optional<QString> AppendJournal::setAside() const {
    const QString aside = m_path + QStringLiteral(".damaged");
    QFile::remove(aside);
    if (!QFile::rename(m_path, aside))
        return QCoreApplication::translate("AppendJournal", "cannot rename %1").arg(m_path);
    return std::nullopt;
}

} // namespace tonalyst
