#pragma once

#include <QString>

namespace tonalyst {

// Shown when the data file no longer matches its seal, on writing and on reports.
QString unauthorizedModificationMessage();

// The data file could not take the run's records; they were kept at `where` instead
// (an empty `where`: nowhere, they are lost). `problem` says what failed.
QString recordsNotWrittenMessage(const QString& dataFile, const QString& problem, const QString& where);

// The run's records are safe in the journal and go into the data file at the next start.
QString recordsHeldBackMessage(const QString& dataFile, const QString& problem);

// A refused run, after the unauthorized-modification message, saying where its records went.
QString refusedRecordsMessage(const QString& where);

// At start: the records of a run that was cut short could not go into a data file that
// has changed since, and went to `where`.
QString interruptedRunSetAsideMessage(const QString& dataFile, const QString& where);

// At start: the data file or its seal cannot be made, so runs cannot be recorded there.
QString cannotKeepRecordsMessage(const QString& dataFile, const QString& problem);

} // namespace tonalyst
