#include "records/ReportMessages.h"

namespace tonalyst {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString reportFileProblemMessage() {
    return QStringLiteral("There is a problem with the chosen file.  ") +
           QStringLiteral("Be sure to choose a file which was created by Tonalyst") + kCrLf + kCrLf +
           QStringLiteral("(Tonalyst automatically creates a file named Varen.dat ") +
           QStringLiteral("in the Tonalyst application directory).");
}

QString invalidStartDateMessage() {
    return QStringLiteral("Invalid Start Date");
}

QString invalidEndDateMessage() {
    return QStringLiteral("Invalid End Date");
}

QString startAfterEndMessage() {
    return QStringLiteral("Start Date must preceed End Date");
}

QString recordCountAdviceMessage(const QString& sourceName, qint64 recordCount) {
    return sourceName + QStringLiteral(" now contains ") + QLatin1Char(' ') + QString::number(recordCount) +
           QStringLiteral(" records.  ") +
           QStringLiteral("This may cause excessive i/o time during report compilation.  ") + kCrLf + kCrLf +
           QStringLiteral("You should soon archive (ie. rename) varen.dat.  The program will then ") +
           QStringLiteral("automatically start a new data file called varen.dat.");
}

QString landscapeRequiredMessage() {
    return QStringLiteral("You must set page orientation to \"Landscape\"") + kCrLf + kCrLf +
           QStringLiteral("See Windows printer settings");
}

QString reportGenerationErrorMessage() {
    return QStringLiteral("Error occurred during report generation.  Please consult HELP");
}

QStringList creatingReportLines() {
    return {QString(), QString(), QStringLiteral("     Now creating report.  "),
            QStringLiteral("     Please wait ....")};
}

QStringList printingReportLines() {
    return {QString(), QString(), QStringLiteral("     Now printing report.  "),
            QStringLiteral("     Please wait ....")};
}

} // namespace tonalyst
