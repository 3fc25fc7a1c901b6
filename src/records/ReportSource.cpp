#include "records/ReportSource.h"

#include "records/PerformanceDataFile.h"

#include <QDir>
#include <QFileInfo>

namespace tonalyst {

QString reportSourcePath(const QString& sourceText, const FileLocations& files) {
    if (QDir::isAbsolutePath(sourceText))
        return sourceText;
    return QDir(files.dataDir()).filePath(sourceText);
}

ReportSeal checkReportSeal(const QString& sourceText, const FileLocations& files, const Clock& clock) {
    if (!PerformanceDataFile::isGuardedBySeal(sourceText))
        return ReportSeal::Passed;
    const PerformanceDataFile own(files, clock);
    if (!QFileInfo::exists(own.dataFilePath()) || !QFileInfo::exists(own.sealFilePath()))
        return ReportSeal::Unreadable;
    return own.sealAgrees() ? ReportSeal::Passed : ReportSeal::Broken;
}

} // namespace tonalyst
