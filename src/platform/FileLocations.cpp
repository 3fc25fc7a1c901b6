#include "platform/FileLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tonalyst {

namespace {

QString userStateDir() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/tonalyst");
}

// The tones sit beside the program in a build tree and under share/ once installed.
QString installedToneDir() {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString beside = appDir + QStringLiteral("/tones");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(appDir + QStringLiteral("/../share/tonalyst/tones"));
}

} // namespace

UserFileLocations::UserFileLocations(QString dataDirOverride)
    : m_dataDir(dataDirOverride.isEmpty()
                    ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/tonalyst")
                    : QDir(dataDirOverride).absolutePath()),
      m_stateDir(userStateDir()) {}

QString UserFileLocations::toneDir() const {
    return installedToneDir();
}

QString prepareWritableDir(const QString& path) {
    if (path.isEmpty())
        return QCoreApplication::translate("FileLocations", "No folder was given.");
    QDir dir(path);
    if (!dir.exists() && !QDir().mkpath(path))
        return QCoreApplication::translate("FileLocations", "The folder %1 could not be created.")
            .arg(QDir::toNativeSeparators(path));
    QTemporaryFile probe(dir.filePath(QStringLiteral(".tonalyst-write-check-XXXXXX")));
    if (!probe.open())
        return QCoreApplication::translate("FileLocations", "The folder %1 cannot be written to.")
            .arg(QDir::toNativeSeparators(path));
    return {};
}

} // namespace tonalyst
