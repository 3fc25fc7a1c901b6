#pragma once

#include "classserver/ClassServer.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace tonalyst {

// The activities a summary has a column for, in the data file's codes.
const QStringList& summaryActivities();

// A class summary as text lines: a head with the period and the class, one line per
// student and a line for the whole class. The ID comes last on each line, so an ID of any
// length leaves the columns in place.
QStringList summaryLines(const QVector<StudentSummary>& students, const QString& className, QDate start,
                         QDate end);

// The same as comma-separated values with a head line; the first column holds exactly
// each student's ID.
QString summaryCsv(const QVector<StudentSummary>& students);

} // namespace tonalyst
