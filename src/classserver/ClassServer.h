#pragma once

#include "classserver/PgConnection.h"
#include "history/AnswerRecord.h"
#include "records/ReportFigures.h"
#include "records/ReportQuery.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <map>
#include <optional>

namespace tonalyst {

// A login made for a student or a teacher: its generated role name and password.
struct ClassLogin {
    QString roleName;
    QString password;
};

// How a push or an import went. When `ok`, every answer given is on the server (`added`
// of them new); otherwise none of them was added by this call.
struct PushOutcome {
    bool ok = false;
    qint64 added = 0;
    ServerFault fault = ServerFault::None;
    QString problem;
};

// One kind of activity's figures for one student.
struct ActivityFigures {
    qint64 answers = 0;
    qint64 successes = 0;
    qint64 seconds = 0;
};

// One student's line of a class summary.
struct StudentSummary {
    QString userId;
    ActivityFigures total;
    std::map<QString, ActivityFigures> activities; // by the data file's activity code
    QDate lastActive;                               // invalid when never active
};

// The class database, spoken to in Tonalyst's own types. It is the only code that writes
// SQL for it; every value travels as a bound parameter, so IDs and class names full of
// quotes and semicolons are stored as the text they are.
class ClassServer {
public:
    explicit ClassServer(PgConnection& db) : m_db(db) {}

    // New login roles. The password is made here and given out once; the server keeps
    // only a verifier of it. A student ID names one student: a new login for an ID that
    // is already a student of another class is refused, with the reason in `problem`.
    std::optional<ClassLogin> addStudent(const QString& className, const QString& userId, QString& problem);
    std::optional<ClassLogin> addTeacher(const QStringList& classNames, const QString& userId, QString& problem);
    // Puts an existing student into another class as well, with no new login. The
    // student's classes afterwards, or nullopt with `problem`.
    std::optional<QStringList> enrol(const QString& className, const QString& userId, QString& problem);

    // Adds the answers the server does not have yet, all in one transaction.
    PushOutcome push(const QVector<AnswerRecord>& answers);
    // The same for answers handed over a batch at a time: `next` fills the batch (empty
    // when there are no more) or returns false with the reason, which undoes the push.
    using NextBatch = std::function<bool(QVector<AnswerRecord>& batch, QString& problem)>;
    PushOutcome push(const NextBatch& next);
    // Records read from a data file, which have no ids of their own: only those the server
    // has fewer of, by kind, than the file are added, so answers the student's window has
    // already sent are not counted again. The batch's answer ids are filled in.
    PushOutcome importRecords(const NextBatch& next);

    // Whether the caller's role may see the student at all (the server decides).
    std::optional<bool> canSee(const QString& userId, QString& problem);

    // The figures of a report, summed up by the server.
    std::optional<ReportFigures> reportFigures(const ReportQuery& query, QString& problem);

    // One line per student of the class, for the period. nullopt with `problem` when the
    // class is unknown or not the caller's.
    std::optional<QVector<StudentSummary>> summary(const QString& className, QDate start, QDate end,
                                                   QString& problem);

    // The day an answer counts for in reports: the student's own calendar day.
    static QDate dayOf(const AnswerRecord& answer);

private:
    std::optional<ClassLogin> createLogin(const QString& group, QString& problem);
    bool run(const QString& sql, const QStringList& parameters, QString& problem);
    // Begins a transaction that no other change to the same student runs beside.
    bool lockStudent(const QString& userId, QString& problem);
    std::optional<QStringList> classesOf(const QString& userId, QString& problem);
    bool putInClass(const QString& className, const QString& userId, QString& problem);
    PushOutcome send(const NextBatch& next, bool fromDataFile);

    PgConnection& m_db;
};

} // namespace tonalyst
