#pragma once

#include "platform/Clock.h"
#include "platform/FileLocations.h"

#include <QString>

namespace tonalyst {

// The file a report reads, as typed: a bare name or relative path is taken from the data
// folder, where the program keeps its own "varen.dat".
QString reportSourcePath(const QString& sourceText, const FileLocations& files);

enum class ReportSeal {
    Passed,    // not named "varen.dat", or the program's own data file matches its seal
    Broken,    // the program's own data file was changed by another program
    Unreadable // the program's own data file or its seal is missing
};

// Any source named "varen.dat", wherever it lies, is vouched for by the program's own
// data file and seal. An append of the program's own that was cut short is finished
// first. `problem` says what is missing when the answer is Unreadable.
ReportSeal checkReportSeal(const QString& sourceText, const FileLocations& files, const Clock& clock,
                           QString* problem = nullptr);

} // namespace tonalyst
