#include "records/ReportMessages.h"

#include <QCoreApplication>

namespace tonalyst {

QString reportFileProblemMessage() {
    return QCoreApplication::translate("ReportMessages",
                                       "There is a problem with the chosen file.  Be sure to choose a file "
                                       "which was created by Tonalyst\r\n\r\n(Tonalyst automatically creates "
                                       "a file named Varen.dat in the Tonalyst application directory).");
}

QString invalidStartDateMessage() {
    return QCoreApplication::translate("ReportMessages", "Invalid Start Date");
}

QString invalidEndDateMessage() {
    return QCoreApplication::translate("ReportMessages", "Invalid End Date");
}

QString startAfterEndMessage() {
    return QCoreApplication::translate("ReportMessages", "Start Date must preceed End Date");
}

QString recordCountAdviceMessage(const QString& sourceName, qint64 recordCount) {
    return QCoreApplication::translate(
               "ReportMessages",
               "%1 now contains  %2 records.  This may cause excessive i/o time during report compilation.  "
               "\r\n\r\nYou should soon archive (ie. rename) varen.dat.  The program will then "
               "automatically start a new data file called varen.dat.")
        .arg(sourceName, QString::number(recordCount));
}

QString landscapeRequiredMessage() {
    return QCoreApplication::translate("ReportMessages",
                                       "You must set page orientation to \"Landscape\"\r\n\r\n"
                                       "See Windows printer settings");
}

QString reportGenerationErrorMessage() {
    return QCoreApplication::translate("ReportMessages",
                                       "Error occurred during report generation.  Please consult HELP");
}

QStringList creatingReportLines() {
    return {QString(), QString(),
            QCoreApplication::translate("ReportMessages", "     Now creating report.  "),
            QCoreApplication::translate("ReportMessages", "     Please wait ....")};
}

QStringList printingReportLines() {
    return {QString(), QString(),
            QCoreApplication::translate("ReportMessages", "     Now printing report.  "),
            QCoreApplication::translate("ReportMessages", "     Please wait ....")};
}

} // namespace tonalyst
