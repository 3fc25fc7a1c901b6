#include "records/DurableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace tonalyst {

namespace {

QString failure(const QString& what, const QString& path, const QString& why) {
    return QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), why);
}

// A new or renamed directory entry survives a crash only once its folder is synced.
bool syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace

std::optional<QString> appendDurably(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return failure(QStringLiteral("cannot open"), path, file.errorString());
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush())
        return failure(QStringLiteral("cannot write to"), path, file.errorString());
    if (::fsync(file.handle()) != 0)
        return failure(QStringLiteral("cannot write to"), path,
                       QStringLiteral("the disk refused to store it"));
    file.close();
    if (!existed && !syncFolderOf(path))
        return failure(QStringLiteral("cannot store"), path,
                       QStringLiteral("its folder could not be synced"));
    return std::nullopt;
}

std::optional<QString> replaceDurably(const QString& path, QByteArrayView content) {
    // QSaveFile writes beside the target, syncs the copy and renames it over the target.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(QStringLiteral("cannot create"), path, file.errorString());
    if (file.write(content.data(), content.size()) != content.size() || !file.commit())
        return failure(QStringLiteral("cannot write"), path, file.errorString());
    if (!syncFolderOf(path))
        return failure(QStringLiteral("cannot store"), path,
                       QStringLiteral("its folder could not be synced"));
    return std::nullopt;
}

std::optional<QString> removeDurably(const QString& path) {
    QFile file(path);
    if (file.exists() && !file.remove())
        return failure(QStringLiteral("cannot remove"), path, file.errorString());
    if (!syncFolderOf(path))
        return failure(QStringLiteral("cannot store"), path,
                       QStringLiteral("its folder could not be synced"));
    return std::nullopt;
}

} // namespace tonalyst
