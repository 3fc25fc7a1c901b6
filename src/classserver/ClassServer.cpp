#include "classserver/ClassServer.h"

#include "classserver/SqlArray.h"
#include "records/ReportTallier.h"

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
        problem = QStringLiteral("could not make a password verifier");
        return std::nullopt;
    }
    // Roles cannot be named by a bound parameter; the server quotes the name itself.
    const PgResult statement =
        m_db.exec(QStringLiteral("SELECT format('CREATE ROLE %I LOGIN PASSWORD %L IN ROLE %I', $1::text, $2::text, "
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

std::optional<ClassLogin> ClassServer::addStudent(const QString& className, const QString& userId,
                                                  QString& problem) {
    const auto failed = [this]() -> std::optional<ClassLogin> {
        m_db.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    };
    if (!run(QStringLiteral("BEGIN"), {}, problem) ||
        !run(QStringLiteral("INSERT INTO tonalyst.classes (name) VALUES ($1) ON CONFLICT (name) DO NOTHING"),
             {className}, problem) ||
        !run(QStringLiteral("INSERT INTO tonalyst.students (user_id) VALUES ($1) ON CONFLICT DO NOTHING"), {userId},
             problem) ||
        !run(QStringLiteral("INSERT INTO tonalyst.class_students (class_id, user_id) "
                            "SELECT class_id, $2 FROM tonalyst.classes WHERE name = $1 ON CONFLICT DO NOTHING"),
             {className, userId}, problem))
        return failed();
    std::optional<ClassLogin> login = createLogin(QStringLiteral("tonalyst_student"), problem);
    if (!login ||
        !run(QStringLiteral("INSERT INTO tonalyst.logins (role_name, user_id, is_teacher) VALUES ($1, $2, false)"),
             {login->roleName, userId}, problem) ||
        !run(QStringLiteral("COMMIT"), {}, problem))
        return failed();
    return login;
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
    PushOutcome outcome;
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
            PgResult inserted =
                m_db.exec(kInsertAnswers, rowsAsArrays(batch.constData() + from, batch.constData() + to));
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
        problem = QStringLiteral("There is no class named \"%1\" that you may read.").arg(className);
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
            "WHERE user_id = s.user_id AND day BETWEEN $2::date AND $3::date AND in_data_file "
            "GROUP BY activity) a ON true "
            "WHERE s.class_id = $1::integer ORDER BY s.user_id, a.activity"),
        {classId, start.toString(Qt::ISODate), end.toString(Qt::ISODate)});
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
