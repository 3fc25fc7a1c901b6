#include "classserver/ClassServer.h"

#include "activities/ActivityRegistry.h"
#include "classserver/SqlArray.h"
#include "records/ReportTallier.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QUuid>

#include <array>

namespace tonalyst {

namespace {

// Rows per statement: large enough that a push of thousands is a few round trips, small
// enough that one statement never comes near the statement deadline.
constexpr qsizetype kRowsPerStatement = 5000;

const QString kInsertAnswers = QStringLiteral(
    "INSERT INTO tonalyst.answers (user_id, answer_id, day, answered_at, run_id, method, activity, inversions, "
    "category, accidentals, key, item, inversion, asked, given, right_answer, correct, attempt, seconds, "
    "in_data_file, imported) "
    "SELECT * FROM unnest($1::text[], $2::uuid[], $3::date[], $4::timestamptz[], $5::text[], $6::text[], "
    "$7::text[], $8::text[], $9::text[], $10::integer[], $11::text[], $12::text[], $13::text[], $14::text[], "
    "$15::text[], $16::text[], $17::boolean[], $18::integer[], $19::integer[], $20::boolean[], $21::boolean[]) "
    "ON CONFLICT (user_id, answer_id) DO NOTHING");

// A record from a data file is the n-th of its kind (same student, day, method,
// activity, category, time and verdict) in the file. The server adds it only when it
// has fewer than n answers of that kind, whether sent by the student's window or
// imported before, so a file whose answers the window already sent adds nothing, and
// the same file imported again, or after it has grown, adds only what is new.
const QString kImportRecords = QStringLiteral(
    "INSERT INTO tonalyst.answers (user_id, answer_id, day, answered_at, run_id, method, activity, "
    "inversions, category, accidentals, key, item, inversion, asked, given, right_answer, correct, attempt, "
    "seconds, in_data_file, imported) "
    "SELECT f.user_id, f.answer_id, f.day, f.answered_at, f.run_id, f.method, f.activity, f.inversions, "
    "f.category, f.accidentals, f.key, f.item, f.inversion, f.asked, f.given, f.right_answer, f.correct, "
    "f.attempt, f.seconds, f.in_data_file, f.imported "
    "FROM unnest($1::text[], $2::uuid[], $3::date[], $4::timestamptz[], $5::text[], $6::text[], "
    "$7::text[], $8::text[], $9::text[], $10::integer[], $11::text[], $12::text[], $13::text[], $14::text[], "
    "$15::text[], $16::text[], $17::boolean[], $18::integer[], $19::integer[], $20::boolean[], "
    "$21::boolean[], $22::integer[]) "
    "AS f(user_id, answer_id, day, answered_at, run_id, method, activity, inversions, category, accidentals, "
    "key, item, inversion, asked, given, right_answer, correct, attempt, seconds, in_data_file, imported, "
    "occurrence) "
    "WHERE f.occurrence > (SELECT count(*) FROM tonalyst.answers a WHERE a.user_id = f.user_id "
    "AND a.day = f.day AND a.in_data_file AND a.method = f.method AND a.activity = f.activity "
    "AND a.inversions = f.inversions AND a.category = f.category AND a.accidentals = f.accidentals "
    "AND a.correct = f.correct AND a.seconds = f.seconds) "
    "ON CONFLICT (user_id, answer_id) DO NOTHING");

// What makes two records of a data file alike: every field the file has.
QString kindOf(const AnswerRecord& record) {
    return QStringList{record.userId,
                       ClassServer::dayOf(record).toString(Qt::ISODate),
                       record.method,
                       record.activity,
                       record.inversions,
                       record.category,
                       QString::number(record.accidentals),
                       QString::number(record.correct),
                       QString::number(record.seconds)}
        .join(QLatin1Char('\n'));
}

QString randomText(int length, QLatin1StringView alphabet) {
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += QLatin1Char(alphabet[QRandomGenerator::system()->bounded(static_cast<int>(alphabet.size()))]);
    return text;
}

// An id that is not a UUID is turned into one the same way every time, so it still
// names the same answer on every push.
QString uuidOf(const QString& answerId) {
    const QUuid parsed = QUuid::fromString(answerId);
    if (!parsed.isNull())
        return parsed.toString(QUuid::WithoutBraces);
    static const QUuid kOtherIds = QUuid::fromString(QLatin1String("6a0f4c8e-52d4-4d3e-9a53-0d3b1f1b7a21"));
    return QUuid::createUuidV5(kOtherIds, answerId).toString(QUuid::WithoutBraces);
}

QString bit(bool value) {
    return value ? QStringLiteral("t") : QStringLiteral("f");
}

QStringList rowsAsArrays(const AnswerRecord* first, const AnswerRecord* last) {
    constexpr int kColumns = 21;
    std::array<SqlArray, kColumns> columns;
    for (const AnswerRecord* answer = first; answer != last; ++answer) {
        const QDateTime when = answer->answeredUtc.toUTC();
        const QString values[kColumns] = {
            answer->userId,
            uuidOf(answer->answerId),
            ClassServer::dayOf(*answer).toString(Qt::ISODate),
            when.isValid() ? when.toString(Qt::ISODateWithMs) : QString(),
            answer->runId.isEmpty() ? QString() : answer->runId,
            answer->method,
            answer->activity,
            answer->inversions,
            answer->category,
            QString::number(answer->accidentals),
            answer->key,
            answer->item,
            answer->inversion,
            answer->asked,
            answer->given,
            answer->right,
            bit(answer->correct),
            QString::number(answer->attempt),
            QString::number(answer->seconds),
            bit(answer->inDataFile),
            bit(answer->imported),
        };
        for (int column = 0; column < kColumns; ++column) {
            // Text columns that are required are never NULL, even when empty.
            const bool nullable = column == 3 || column == 4;
            columns[static_cast<size_t>(column)].append(values[column], nullable);
        }
    }
    QStringList parameters;
    for (const SqlArray& column : columns)
        parameters << column.text();
    return parameters;
}

// The activity codes the data file keeps, as an array: an answer of any other activity
// counts as a question when it is the question's first.
QString dataFileActivities() {
    SqlArray codes;
    for (const Activity* activity : allActivities())
        if (activity->keepsDataFileRecords())
            codes.append(QString::fromUtf8(activity->recordCode().data(),
                                           static_cast<qsizetype>(activity->recordCode().size())),
                         false);
    return codes.text();
}

} // namespace

QDate ClassServer::dayOf(const AnswerRecord& answer) {
    if (!answer.answeredUtc.isValid())
        return QDate::currentDate();
    return answer.answeredUtc.toLocalTime().date();
}

bool ClassServer::run(const QString& sql, const QStringList& parameters, QString& problem) {
    const PgResult result = m_db.exec(sql, parameters);
    if (!result.ok())
        problem = result.problem();
    return result.ok();
}

std::optional<ClassLogin> ClassServer::createLogin(const QString& group, QString& problem) {
    ClassLogin login{QStringLiteral("tonalyst_") + randomText(12, QLatin1StringView("0123456789abcdef")),
                     randomText(20, QLatin1StringView("abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789"))};
    const std::optional<QByteArray> verifier = m_db.passwordVerifier(login.password, login.roleName);
    if (!verifier) {
        problem = QCoreApplication::translate("ClassServer", "could not make a password verifier");
        return std::nullopt;
    }
    // Roles cannot be named by a bound parameter; the server quotes the name itself.
    const PgResult statement = m_db.exec(
        QStringLiteral(
            "SELECT pg_catalog.format('CREATE ROLE %I LOGIN PASSWORD %L IN ROLE %I', $1::text, $2::text, "
            "$3::text)"),
        {login.roleName, QString::fromLatin1(*verifier), group});
    if (!statement.ok() || statement.rows() != 1) {
        problem = statement.problem();
        return std::nullopt;
    }
    if (!run(statement.text(0, 0), {}, problem))
        return std::nullopt;
    return login;
}

std::optional<QStringList> ClassServer::classesOf(const QString& userId, QString& problem) {
    const PgResult result =
        m_db.exec(QStringLiteral("SELECT c.name FROM tonalyst.class_students s JOIN tonalyst.classes c "
                                 "ON c.class_id = s.class_id WHERE s.user_id = $1 ORDER BY c.name"),
                  {userId});
    if (!result.ok()) {
        problem = result.problem();
        return std::nullopt;
    }
    QStringList classes;
    for (int row = 0; row < result.rows(); ++row)
        classes << result.text(row, 0);
    return classes;
}

bool ClassServer::putInClass(const QString& className, const QString& userId, QString& problem) {
    return run(QStringLiteral(
                   "INSERT INTO tonalyst.classes (name) VALUES ($1) ON CONFLICT (name) DO NOTHING"),
               {className}, problem) &&
           run(QStringLiteral(
                   "INSERT INTO tonalyst.class_students (class_id, user_id) "
                   "SELECT class_id, $2 FROM tonalyst.classes WHERE name = $1 ON CONFLICT DO NOTHING"),
               {className, userId}, problem);
}

bool ClassServer::lockStudent(const QString& userId, QString& problem) {
    return run(QStringLiteral("BEGIN"), {}, problem) &&
           run(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext('tonalyst student ' || $1))"), {userId},
               problem);
}

std::optional<ClassLogin> ClassServer::addStudent(const QString& className, const QString& userId,
                                                  QString& problem) {
    const auto failed = [this]() -> std::optional<ClassLogin> {
        m_db.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    };
    if (!lockStudent(userId, problem))
        return failed();
    // The same ID in another class is the same student: a new login there would read that
    // student's answers, and that class's teacher with it.
    const std::optional<QStringList> classes = classesOf(userId, problem);
    if (!classes)
        return failed();
    if (!classes->isEmpty() && !classes->contains(className)) {
        problem = QCoreApplication::translate(
                      "ClassServer",
                      "The student ID \"%1\" is already a student of class %2. One ID is one "
                      "student: to put that student into %3 as well, use tonalyst class enrol --class "
                      "%3 --user ID; for another student, choose another ID.")
                      .arg(userId, classes->join(QStringLiteral(", ")), className);
        return failed();
    }
    if (!run(QStringLiteral("INSERT INTO tonalyst.students (user_id) VALUES ($1) ON CONFLICT DO NOTHING"),
             {userId}, problem) ||
        !putInClass(className, userId, problem))
        return failed();
    std::optional<ClassLogin> login = createLogin(QStringLiteral("tonalyst_student"), problem);
    if (!login ||
        !run(
            QStringLiteral("INSERT INTO tonalyst.logins (role_name, user_id, is_teacher, student_id) "
                           "SELECT $1, user_id, false, student_id FROM tonalyst.students WHERE user_id = $2"),
            {login->roleName, userId}, problem) ||
        !run(QStringLiteral("COMMIT"), {}, problem))
        return failed();
    return login;
}

std::optional<QStringList> ClassServer::enrol(const QString& className, const QString& userId,
                                              QString& problem) {
    const auto failed = [this]() -> std::optional<QStringList> {
        m_db.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    };
    if (!lockStudent(userId, problem))
        return failed();
    const std::optional<QStringList> before = classesOf(userId, problem);
    if (!before)
        return failed();
    if (before->isEmpty()) {
        problem =
            QCoreApplication::translate(
                "ClassServer", "There is no student with the ID \"%1\" to put into a class; make one with "
                               "tonalyst class add-student.")
                .arg(userId);
        return failed();
    }
    if (!putInClass(className, userId, problem))
        return failed();
    const std::optional<QStringList> after = classesOf(userId, problem);
    if (!after || !run(QStringLiteral("COMMIT"), {}, problem))
        return failed();
    return after;
}

std::optional<ClassLogin> ClassServer::addTeacher(const QStringList& classNames, const QString& userId,
                                                  QString& problem) {
    const auto failed = [this]() -> std::optional<ClassLogin> {
        m_db.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    };
    if (!run(QStringLiteral("BEGIN"), {}, problem))
        return failed();
    std::optional<ClassLogin> login = createLogin(QStringLiteral("tonalyst_teacher"), problem);
    if (!login ||
        !run(QStringLiteral("INSERT INTO tonalyst.logins (role_name, user_id, is_teacher) VALUES ($1, $2, true)"),
             {login->roleName, userId}, problem))
        return failed();
    for (const QString& className : classNames) {
        if (!run(QStringLiteral("INSERT INTO tonalyst.classes (name) VALUES ($1) ON CONFLICT (name) DO NOTHING"),
                 {className}, problem) ||
            !run(QStringLiteral("INSERT INTO tonalyst.teacher_classes (role_name, class_id) "
                                "SELECT $1, class_id FROM tonalyst.classes WHERE name = $2 ON CONFLICT DO NOTHING"),
                 {login->roleName, className}, problem))
            return failed();
    }
    if (!run(QStringLiteral("COMMIT"), {}, problem))
        return failed();
    return login;
}

PushOutcome ClassServer::push(const QVector<AnswerRecord>& answers) {
    bool given = false;
    return push([&answers, &given](QVector<AnswerRecord>& batch, QString&) {
        batch = given ? QVector<AnswerRecord>() : answers;
        given = true;
        return true;
    });
}

PushOutcome ClassServer::push(const NextBatch& next) {
    return send(next, false);
}

PushOutcome ClassServer::importRecords(const NextBatch& next) {
    return send(next, true);
}

PushOutcome ClassServer::send(const NextBatch& next, bool fromDataFile) {
    PushOutcome outcome;
    std::map<QString, int> seen;
    const auto failed = [this, &outcome](ServerFault fault, const QString& problem) {
        outcome.ok = false;
        outcome.added = 0;
        outcome.fault = fault;
        outcome.problem = problem;
        m_db.exec(QStringLiteral("ROLLBACK"));
        return outcome;
    };
    if (PgResult begun = m_db.exec(QStringLiteral("BEGIN")); !begun.ok())
        return failed(begun.fault(), begun.problem());
    QVector<AnswerRecord> batch;
    for (;;) {
        QString problem;
        if (!next(batch, problem))
            return failed(ServerFault::None, problem);
        if (batch.isEmpty())
            break;
        for (qsizetype from = 0; from < batch.size(); from += kRowsPerStatement) {
            const qsizetype to = qMin(batch.size(), from + kRowsPerStatement);
            if (!fromDataFile) {
                PgResult inserted =
                    m_db.exec(kInsertAnswers, rowsAsArrays(batch.constData() + from, batch.constData() + to));
                if (!inserted.ok())
                    return failed(inserted.fault(), inserted.problem());
                outcome.added += inserted.affectedRows();
                continue;
            }
            SqlArray occurrences;
            for (qsizetype i = from; i < to; ++i) {
                AnswerRecord& record = batch[i];
                const QString kind = kindOf(record);
                const int occurrence = ++seen[kind];
                // The n-th record of a kind has the same id on every import.
                static const QUuid kImported =
                    QUuid::fromString(QLatin1String("d7c0b3a4-1f2e-4b8a-9c61-5e0f7a2d9b13"));
                record.answerId =
                    QUuid::createUuidV5(kImported, kind + QLatin1Char('\n') + QString::number(occurrence))
                        .toString(QUuid::WithoutBraces);
                occurrences.append(QString::number(occurrence), false);
            }
            PgResult inserted =
                m_db.exec(kImportRecords, rowsAsArrays(batch.constData() + from, batch.constData() + to)
                                              << occurrences.text());
            if (!inserted.ok())
                return failed(inserted.fault(), inserted.problem());
            outcome.added += inserted.affectedRows();
        }
    }
    if (PgResult committed = m_db.exec(QStringLiteral("COMMIT")); !committed.ok())
        return failed(committed.fault(), committed.problem());
    outcome.ok = true;
    return outcome;
}

std::optional<bool> ClassServer::canSee(const QString& userId, QString& problem) {
    const PgResult result = m_db.exec(
        QStringLiteral("SELECT EXISTS (SELECT 1 FROM tonalyst.class_students WHERE user_id = $1)"), {userId});
    if (!result.ok() || result.rows() != 1) {
        problem = result.problem();
        return std::nullopt;
    }
    return result.flag(0, 0);
}

std::optional<ReportFigures> ClassServer::reportFigures(const ReportQuery& query, QString& problem) {
    // Only the answers the data file would hold count, as the local report counts them.
    const PgResult result = m_db.exec(
        QStringLiteral("SELECT activity, category, inversions, count(*), count(*) FILTER (WHERE correct), "
                       "sum(seconds), sum(accidentals) FROM tonalyst.answers "
                       "WHERE user_id = $1 AND day BETWEEN $2::date AND $3::date AND in_data_file "
                       "AND ($4 = '' OR method = $4) GROUP BY activity, category, inversions"),
        {query.userId, query.start.toString(Qt::ISODate), query.end.toString(Qt::ISODate),
         query.method.isNull() ? QStringLiteral("") : query.method});
    if (!result.ok()) {
        problem = result.problem();
        return std::nullopt;
    }
    ReportTallier tally(query);
    qint64 records = 0;
    for (int row = 0; row < result.rows(); ++row) {
        const RecordTotals totals{result.number(row, 3), result.number(row, 4), result.number(row, 5),
                                  result.number(row, 6)};
        tally.addMatching(result.text(row, 0).toUtf8(), result.text(row, 1).toUtf8(), result.text(row, 2).toUtf8(),
                          totals);
        records += totals.records;
    }
    ReportFigures figures = tally.figures();
    figures.recordCount = records;
    return figures;
}

std::optional<QVector<StudentSummary>> ClassServer::summary(const QString& className, QDate start, QDate end,
                                                            QString& problem) {
    const PgResult known =
        m_db.exec(QStringLiteral("SELECT class_id FROM tonalyst.classes WHERE name = $1"), {className});
    if (!known.ok()) {
        problem = known.problem();
        return std::nullopt;
    }
    if (known.rows() != 1) {
        problem =
            QCoreApplication::translate("ClassServer", "There is no class named \"%1\" that you may read.")
                .arg(className);
        return std::nullopt;
    }
    const QString classId = known.text(0, 0);
    // Each student's figures come from the index on their own answers alone.
    const PgResult result = m_db.exec(
        QStringLiteral(
            "SELECT s.user_id, a.activity, coalesce(a.answers, 0), coalesce(a.successes, 0), "
            "coalesce(a.seconds, 0), (SELECT max(l.day) FROM tonalyst.answers l WHERE l.user_id = s.user_id) "
            "FROM tonalyst.class_students s LEFT JOIN LATERAL ("
            "SELECT activity, count(*) AS answers, count(*) FILTER (WHERE correct) AS successes, "
            "sum(seconds) AS seconds FROM tonalyst.answers "
            "WHERE user_id = s.user_id AND day BETWEEN $2::date AND $3::date "
            "AND (in_data_file OR (attempt = 1 AND activity <> ALL ($4::text[]))) "
            "GROUP BY activity) a ON true "
            "WHERE s.class_id = $1::integer ORDER BY s.user_id, a.activity"),
        {classId, start.toString(Qt::ISODate), end.toString(Qt::ISODate), dataFileActivities()});
    if (!result.ok()) {
        problem = result.problem();
        return std::nullopt;
    }
    QVector<StudentSummary> students;
    for (int row = 0; row < result.rows(); ++row) {
        const QString userId = result.text(row, 0);
        if (students.isEmpty() || students.back().userId != userId) {
            students.append({userId, {}, {}, QDate::fromString(result.text(row, 5), Qt::ISODate)});
        }
        if (result.isNull(row, 1))
            continue;
        const ActivityFigures figures{result.number(row, 2), result.number(row, 3), result.number(row, 4)};
        StudentSummary& student = students.back();
        student.activities[result.text(row, 1)] = figures;
        student.total.answers += figures.answers;
        student.total.successes += figures.successes;
        student.total.seconds += figures.seconds;
    }
    return students;
}

} // namespace tonalyst
