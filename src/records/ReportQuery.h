#pragma once

#include <QDate>
#include <QString>

namespace tonalyst {

// Whose records a report counts, from which days, and of which method.
struct ReportQuery {
    QString userId;
    QDate start; // both days included
    QDate end;
    QString method; // "test" or "practice"; empty counts both
};

} // namespace tonalyst
