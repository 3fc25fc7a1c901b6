#pragma once

#include "records/ReportFigures.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace tonalyst {

enum class ReportMedium { Screen, Printer };

// What a report's head says besides the figures.
struct ReportHeading {
    QDate start;
    QDate end;
    QString reportType; // "test", "practice" or "composite"
    QString sourceName; // the data file as the user typed or chose it
    QString userId;
};

// Whether the head warns about a source that is not the program's own data file. The
// class server vouches for its answers itself, so its reports carry no such warning.
enum class ReportSourceCheck { ByFileName, Vouched };

// One report as lines of fixed-column text, for the screen or for paper. The columns are
// counted in characters, so the lines line up in any fixed-pitch font.
QStringList reportLines(const ReportFigures& figures, const ReportHeading& heading, ReportMedium medium,
                        ReportSourceCheck check = ReportSourceCheck::ByFileName);

} // namespace tonalyst
