#include "classserver/ClassSummaryText.h"

#include "history/CsvField.h"
#include "records/ReportDates.h"
#include "records/ReportMeasures.h"

#include <QCoreApplication>

namespace tonalyst {

namespace {

QString shown(std::optional<qint64> value, const QString& unit = {}) {
    return value ? QString::number(*value) + unit : QCoreApplication::translate("ClassSummaryText", "N/A");
}

std::optional<qint64> rateOf(const ActivityFigures& figures) {
    return roundedShare(figures.successes, figures.answers, 100);
}

std::optional<qint64> averageOf(const ActivityFigures& figures) {
    return roundedShare(figures.seconds, figures.answers);
}

std::optional<qint64> scoreFor(const ActivityFigures& figures) {
    return figures.answers == 0 ? std::nullopt : scoreOf(figures.successes, figures.seconds);
}

ActivityFigures activityOf(const StudentSummary& student, const QString& activity) {
    const auto found = student.activities.find(activity);
    return found == student.activities.end() ? ActivityFigures{} : found->second;
}

QString csvNumber(std::optional<qint64> value) {
    return value ? QString::number(*value) : QString();
}

QString columns(const QStringList& cells, const QString& last) {
    QString line = QStringLiteral("   ");
    for (const QString& cell : cells)
        line += cell.rightJustified(9);
    return line + QStringLiteral("   ") + last;
}

QStringList figureCells(const ActivityFigures& total, const std::map<QString, ActivityFigures>& activities) {
    QStringList cells{QString::number(total.answers), shown(rateOf(total), QStringLiteral("%")),
                      shown(averageOf(total)), shown(scoreFor(total))};
    for (const QString& activity : summaryActivities()) {
        const auto found = activities.find(activity);
        cells << shown(found == activities.end() ? std::nullopt : scoreFor(found->second));
    }
    return cells;
}

} // namespace

const QStringList& summaryActivities() {
    static const QStringList activities{QStringLiteral("spell"),       QStringLiteral("identify"),
                                        QStringLiteral("eartraining"), QStringLiteral("intspell"),
                                        QStringLiteral("intid"),       QStringLiteral("keysigid"),
                                        QStringLiteral("scaledegree"), QStringLiteral("chordfunction"),
                                        QStringLiteral("progression"), QStringLiteral("cadence")};
    return activities;
}

QStringList summaryLines(const QVector<StudentSummary>& students, const QString& className, QDate start,
                         QDate end) {
    QStringList lines;
    lines << QString()
          << QCoreApplication::translate("ClassSummaryText", "    Class Summary for period :%1 to %2")
                 .arg(reportDate(start), reportDate(end))
          << QCoreApplication::translate("ClassSummaryText", "    Class : %1").arg(className) << QString()
          << columns({QCoreApplication::translate("ClassSummaryText", "answers"),
                      QCoreApplication::translate("ClassSummaryText", "success"),
                      QCoreApplication::translate("ClassSummaryText", "sec/ques"),
                      QCoreApplication::translate("ClassSummaryText", "SCORE"),
                      QCoreApplication::translate("ClassSummaryText", "spell"),
                      QCoreApplication::translate("ClassSummaryText", "identify"),
                      QCoreApplication::translate("ClassSummaryText", "ear"),
                      QCoreApplication::translate("ClassSummaryText", "intspell"),
                      QCoreApplication::translate("ClassSummaryText", "intid"),
                      QCoreApplication::translate("ClassSummaryText", "keysig"),
                      QCoreApplication::translate("ClassSummaryText", "degrees"),
                      QCoreApplication::translate("ClassSummaryText", "function"),
                      QCoreApplication::translate("ClassSummaryText", "prog."),
                      QCoreApplication::translate("ClassSummaryText", "cadence"),
                      QCoreApplication::translate("ClassSummaryText", "last day")},
                     QCoreApplication::translate("ClassSummaryText", "student"));

    ActivityFigures classTotal;
    std::map<QString, ActivityFigures> classActivities;
    for (const StudentSummary& student : students) {
        QStringList cells = figureCells(student.total, student.activities);
        cells << (student.lastActive.isValid() ? reportDate(student.lastActive)
                                               : QCoreApplication::translate("ClassSummaryText", "never"));
        lines << columns(cells, student.userId);
        classTotal.answers += student.total.answers;
        classTotal.successes += student.total.successes;
        classTotal.seconds += student.total.seconds;
        for (const auto& [activity, figures] : student.activities) {
            ActivityFigures& sum = classActivities[activity];
            sum.answers += figures.answers;
            sum.successes += figures.successes;
            sum.seconds += figures.seconds;
        }
    }
    lines << QString()
          << columns(figureCells(classTotal, classActivities) << QString(),
                     QCoreApplication::translate("ClassSummaryText", "(whole class, %1 students)")
                         .arg(students.size()));
    return lines;
}

QString summaryCsv(const QVector<StudentSummary>& students) {
    QStringList head{QStringLiteral("student_id"), QStringLiteral("answers"), QStringLiteral("successes"),
                     QStringLiteral("seconds"), QStringLiteral("success_percent"),
                     QStringLiteral("seconds_per_question"), QStringLiteral("score")};
    for (const QString& activity : summaryActivities())
        head << QStringLiteral("answers_") + activity << QStringLiteral("score_") + activity;
    head << QStringLiteral("last_active");

    QString csv = head.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const StudentSummary& student : students) {
        QStringList row{csvField(student.userId), QString::number(student.total.answers),
                        QString::number(student.total.successes), QString::number(student.total.seconds),
                        csvNumber(rateOf(student.total)), csvNumber(averageOf(student.total)),
                        csvNumber(scoreFor(student.total))};
        for (const QString& activity : summaryActivities()) {
            const ActivityFigures figures = activityOf(student, activity);
            row << QString::number(figures.answers) << csvNumber(scoreFor(figures));
        }
        row << (student.lastActive.isValid() ? student.lastActive.toString(Qt::ISODate) : QString());
        csv += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace tonalyst
