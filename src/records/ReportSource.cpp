#include "records/ReportSource.h"

#include "records/PerformanceDataFile.h"

#include <QDir>

namespace tonalyst {

QString reportSourcePath(const QString& sourceText, const FileLocations& files) {
    if (QDir::isAbsolutePath(sourceText))
        return sourceText;
    return QDir(files.dataDir()).filePath(sourceText);
}

ReportSeal checkReportSeal(const QString& sourceText, const FileLocations& files, const Clock& clock,
                           QString* problem) {
    if (!PerformanceDataFile::isGuardedBySeal(sourceText))
        return ReportSeal::Passed;
    const PerformanceDataFile own(files, clock);
    const PerformanceDataFile::ReadCheck check = own.prepareForReading();
    switch (check.state) {
    case PerformanceDataFile::ReadState::Agrees:
        return ReportSeal::Passed;
    case PerformanceDataFile::ReadState::Differs:
        return ReportSeal::Broken;
    case PerformanceDataFile::ReadState::Unreadable:
        break;
    }
    if (problem)
        *problem = check.problem;
    return ReportSeal::Unreadable;
}

} // namespace tonalyst
