#include "records/RecordMessages.h"

#include <QCoreApplication>
#include <QDir>

namespace tonalyst {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString unauthorizedModificationMessage() {
    return QCoreApplication::translate(
        "RecordMessages",
        "Unauthorized modification of Varen.dat detected.  Data tracking and report functions "
        "have been disabled.  You must rename or delete Varen.dat to restore these functions.");
}

QString recordsNotWrittenMessage(const QString& dataFile, const QString& problem, const QString& where) {
    if (where.isEmpty())
        return QCoreApplication::translate(
                   "RecordMessages", "The performance records of this run could not be written to %1 "
                                     "(%2).  They could not be saved anywhere else either and are lost.")
            .arg(shown(dataFile), problem);
    return QCoreApplication::translate(
               "RecordMessages", "The performance records of this run could not be written to %1 (%2).  "
                                 "They were saved in %3 instead.")
        .arg(shown(dataFile), problem, shown(where));
}

QString recordsHeldBackMessage(const QString& dataFile, const QString& problem) {
    return QCoreApplication::translate(
               "RecordMessages",
               "The performance records of this run could not be written to %1 (%2).  They are kept "
               "safe and will be added to it when Tonalyst next starts.")
        .arg(shown(dataFile), problem);
}

QString refusedRecordsMessage(const QString& where) {
    if (where.isEmpty())
        return QCoreApplication::translate(
            "RecordMessages",
            "Unauthorized modification of Varen.dat detected.  Data tracking and report functions "
            "have been disabled.  You must rename or delete Varen.dat to restore these functions.  "
            "The records of this run could not be saved elsewhere either and are lost.");
    return QCoreApplication::translate(
               "RecordMessages",
               "Unauthorized modification of Varen.dat detected.  Data tracking and report functions "
               "have been disabled.  You must rename or delete Varen.dat to restore these functions.  "
               "The records of this run were saved in %1.")
        .arg(shown(where));
}

QString interruptedRunSetAsideMessage(const QString& dataFile, const QString& where) {
    return QCoreApplication::translate(
               "RecordMessages",
               "The records of a run that was cut short could not be added to %1 because the file has "
               "been changed since.  They were saved in %2.")
        .arg(shown(dataFile), shown(where));
}

QString cannotKeepRecordsMessage(const QString& dataFile, const QString& problem) {
    return QCoreApplication::translate(
               "RecordMessages",
               "Tonalyst cannot keep performance records in %1 (%2).  The records of your runs "
               "will be saved elsewhere where possible.")
        .arg(shown(dataFile), problem);
}

} // namespace tonalyst
