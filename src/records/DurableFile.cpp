#include "records/DurableFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace tonalyst {

namespace {

// A text such as "cannot open %1: %2", with the file and why.
QString failure(const QString& text, const QString& path, const QString& why) {
    return text.arg(QDir::toNativeSeparators(path), why);
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
        return failure(QCoreApplication::translate("DurableFile", "cannot open %1: %2"), path,
                       file.errorString());
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush())
        return failure(QCoreApplication::translate("DurableFile", "cannot write to %1: %2"), path,
                       file.errorString());
    if (::fsync(file.handle()) != 0)
        return failure(QCoreApplication::translate("DurableFile", "cannot write to %1: %2"), path,
                       QCoreApplication::translate("DurableFile", "the disk refused to store it"));
    file.close();
    if (!existed && !syncFolderOf(path))
        return failure(QCoreApplication::translate("DurableFile", "cannot store %1: %2"), path,
                       QCoreApplication::translate("DurableFile", "its folder could not be synced"));
    return std::nullopt;
}

std::optional<QString> replaceDurably(const QString& path, QByteArrayView content) {
    // QSaveFile writes beside the target, syncs the copy and renames it over the target.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(QCoreApplication::translate("DurableFile", "cannot create %1: %2"), path,
                       file.errorString());
    if (file.write(content.data(), content.size()) != content.size() || !file.commit())
        return failure(QCoreApplication::translate("DurableFile", "cannot write %1: %2"), path,
                       file.errorString());
    if (!syncFolderOf(path))
        return failure(QCoreApplication::translate("DurableFile", "cannot store %1: %2"), path,
                       QCoreApplication::translate("DurableFile", "its folder could not be synced"));
    return std::nullopt;
}

std::optional<QString> removeDurably(const QString& path) {
    QFile file(path);
    if (file.exists() && !file.remove())
        return failure(QCoreApplication::translate("DurableFile", "cannot remove %1: %2"), path,
                       file.errorString());
    if (!syncFolderOf(path))
        return failure(QCoreApplication::translate("DurableFile", "cannot store %1: %2"), path,
                       QCoreApplication::translate("DurableFile", "its folder could not be synced"));
    return std::nullopt;
}

} // namespace tonalyst
