#include "history/HistoryTroubles.h"

#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace tonalyst {

namespace {

// SQLite's primary result codes for a damaged file and for one that is no database, as Qt's
// driver gives them (extended codes keep them in their low byte).
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

} // namespace

// A file that is not a database, or a damaged one, as against one that cannot be reached.
bool isDamage(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

// What the system says stands in the way of reading the file, or also of writing it and
// the files beside it: what cannot be done, and why; nullopt when it sees nothing.
std::optional<std::pair<HistoryTrouble, QString>> blockedHistory(const QString& path, bool writing) {
    const HistoryTrouble cannotRead = HistoryTrouble::CannotRead;
    const HistoryTrouble cannotWrite = HistoryTrouble::CannotWrite;
    if (QFileInfo(path).isDir())
        return std::pair(writing ? cannotWrite : cannotRead,
                         QCoreApplication::translate("HistoryStore", "it is a folder, not a file"));
    const auto reason = [] { return QString::fromLocal8Bit(std::strerror(errno)); };
    const QByteArray file = QFile::encodeName(path);
    if (::access(file.constData(), F_OK) == 0) {
        if (::access(file.constData(), R_OK) != 0)
            return std::pair(cannotRead, reason());
        if (writing && ::access(file.constData(), W_OK) != 0)
            return std::pair(cannotWrite, reason());
    }
    const QString folder = QFileInfo(path).absolutePath();
    // Reading a write-ahead-logged history makes its shared-memory file beside it when missing.
    const bool makesFiles = writing || !QFileInfo::exists(path + QStringLiteral("-shm"));
    if (makesFiles && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return std::pair(writing ? cannotWrite : cannotRead,
                         QCoreApplication::translate("HistoryStore", "the folder %1: %2")
                             .arg(QDir::toNativeSeparators(folder), reason()));
    return std::nullopt;
}

QString HistoryStore::trouble(HistoryTrouble what, const QString& reason) const {
    const QString file = QDir::toNativeSeparators(m_path);
    switch (what) {
    case HistoryTrouble::CannotRead:
        return reason.isEmpty()
                   ? QCoreApplication::translate("HistoryStore", "The answer history %1 cannot be read.")
                         .arg(file)
                   : QCoreApplication::translate("HistoryStore", "The answer history %1 cannot be read: %2")
                         .arg(file, reason);
    case HistoryTrouble::CannotWrite:
        return reason.isEmpty()
                   ? QCoreApplication::translate("HistoryStore", "The answer history %1 cannot be written.")
                         .arg(file)
                   : QCoreApplication::translate("HistoryStore",
                                                 "The answer history %1 cannot be written: %2")
                         .arg(file, reason);
    case HistoryTrouble::Damaged:
        return reason.isEmpty()
                   ? QCoreApplication::translate("HistoryStore", "The answer history %1 is damaged.")
                         .arg(file)
                   : QCoreApplication::translate("HistoryStore", "The answer history %1 is damaged: %2")
                         .arg(file, reason);
    case HistoryTrouble::MadeByNewer:
        return reason.isEmpty()
                   ? QCoreApplication::translate(
                         "HistoryStore", "The answer history %1 was made by a newer version of Tonalyst.")
                         .arg(file)
                   : QCoreApplication::translate(
                         "HistoryStore", "The answer history %1 was made by a newer version of Tonalyst: %2")
                         .arg(file, reason);
    case HistoryTrouble::MadeByOlder:
        return reason.isEmpty()
                   ? QCoreApplication::translate(
                         "HistoryStore", "The answer history %1 was made by an older version of Tonalyst.")
                         .arg(file)
                   : QCoreApplication::translate(
                         "HistoryStore", "The answer history %1 was made by an older version of Tonalyst: %2")
                         .arg(file, reason);
    }
    return {};
}

QString HistoryStore::failure(bool writing, const QString& detail) const {
    if (const auto found = blockedHistory(m_path, writing))
        return trouble(found->first, found->second);
    return trouble(writing ? HistoryTrouble::CannotWrite : HistoryTrouble::CannotRead, detail);
}

} // namespace tonalyst
