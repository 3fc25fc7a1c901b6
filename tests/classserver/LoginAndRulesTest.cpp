#include "ClassServerKit.h"

#include <QRegularExpression>

namespace tonalyst::test {
namespace {

const QString kTrickyId = QStringLiteral("O'Brien\"; DROP TABLE tonalyst.answers; --");
const QString kTrickyClass = QStringLiteral("4B'); DELETE FROM tonalyst.classes; --");

QString lineWith(const QString& text, const QString& word) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.contains(word))
            return line;
    }
    return {};
}

TEST_F(ClassDatabase, AddStudentPrintsANewRoleAndAPasswordThatLogsInOnce) {
    const CommandRun added = runClass({QStringLiteral("add-student"), QStringLiteral("--db"), server(),
                                       QStringLiteral("--class"), kTrickyClass, QStringLiteral("--user"), kTrickyId});
    ASSERT_EQ(added.status, 0) << added.err.toStdString();
    const QString role = lineWith(added.out, QStringLiteral("role")).section(QStringLiteral(": "), 1);
    const QString password = lineWith(added.out, QStringLiteral("password")).section(QStringLiteral(": "), 1);
    ASSERT_FALSE(role.isEmpty());
    ASSERT_GE(password.size(), 16);
    EXPECT_EQ(added.out.count(password), 1);
    // The name says nothing about whose role it is.
    EXPECT_FALSE(role.contains(QStringLiteral("Brien")));

    PgConnection student;
    ASSERT_TRUE(student.open(cluster().loginServer(role, password, m_name))) << student.problem().toStdString();
    const PgResult own = student.exec(QStringLiteral("SELECT user_id FROM tonalyst.logins"));
    ASSERT_TRUE(own.ok()) << own.problem().toStdString();
    ASSERT_EQ(own.rows(), 1);
    EXPECT_EQ(own.text(0, 0), kTrickyId);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.classes WHERE name = $1"), {kTrickyClass}), 1);

    // A second add-student makes another role with another password.
    const CommandRun again = runClass({QStringLiteral("add-student"), QStringLiteral("--db"), server(),
                                       QStringLiteral("--class"), kTrickyClass, QStringLiteral("--user"), kTrickyId});
    ASSERT_EQ(again.status, 0);
    EXPECT_NE(lineWith(again.out, QStringLiteral("role")), lineWith(added.out, QStringLiteral("role")));
    EXPECT_FALSE(again.out.contains(password));
}

TEST_F(ClassDatabase, AWrongPasswordIsReportedAsARefusedLogin) {
    const ClassLogin login = student(QStringLiteral("4B"), QStringLiteral("AB"));
    PgConnection wrong;
    EXPECT_FALSE(wrong.open(cluster().loginServer(login.roleName, login.password + QStringLiteral("x"), m_name)));
    EXPECT_EQ(wrong.fault(), ServerFault::WrongPassword) << wrong.problem().toStdString();

    const CommandRun refused = runClass({QStringLiteral("report"), QStringLiteral("--db"),
                                         cluster().loginServer(login.roleName, QStringLiteral("nope"), m_name),
                                         QStringLiteral("--user"), QStringLiteral("AB")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("did not accept your login"))) << refused.err.toStdString();
}

TEST_F(ClassDatabase, APasswordFromThePgpassFileIsUsed) {
    const ClassLogin login = student(QStringLiteral("4B"), QStringLiteral("AB"));
    QTemporaryDir home;
    const QString passFile = home.filePath(QStringLiteral("pgpass"));
    QFile file(passFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("127.0.0.1:%1:%2:%3:%4\n").arg(cluster().port()).arg(m_name, login.roleName, login.password).toUtf8());
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    qputenv("PGPASSFILE", QFile::encodeName(passFile));
    PgConnection connection;
    const bool opened = connection.open(QStringLiteral("postgresql://%1@127.0.0.1:%2/%3")
                                            .arg(login.roleName)
                                            .arg(cluster().port())
                                            .arg(m_name));
    qunsetenv("PGPASSFILE");
    EXPECT_TRUE(opened) << connection.problem().toStdString();
}

TEST_F(ClassDatabase, AStudentReadsAndAddsOnlyItsOwnAnswers) {
    const ClassLogin ab = student(QStringLiteral("4B"), QStringLiteral("AB"));
    student(QStringLiteral("4B"), kTrickyId);
    student(QStringLiteral("5C"), QStringLiteral("CD"));
    ClassServer admin(m_admin);
    const QDate day(2026, 3, 2);
    ASSERT_TRUE(admin.push({answerOf(kTrickyId, day, QStringLiteral("test"), QStringLiteral("spell"),
                                     QStringLiteral("Triad :"), true, 4),
                            answerOf(QStringLiteral("CD"), day, QStringLiteral("test"), QStringLiteral("spell"),
                                     QStringLiteral("Triad :"), true, 4)})
                    .ok);

    PgConnection connection;
    ASSERT_TRUE(connection.open(login(ab)));
    ClassServer own(connection);
    EXPECT_TRUE(own.push({answerOf(QStringLiteral("AB"), day, QStringLiteral("test"), QStringLiteral("spell"),
                                   QStringLiteral("Triad :"), false, 9)})
                    .ok);

    // Pushing for someone else is refused by the server, and adds nothing.
    const PushOutcome forOther = own.push({answerOf(QStringLiteral("CD"), day, QStringLiteral("test"),
                                                    QStringLiteral("spell"), QStringLiteral("Triad :"), true, 1)});
    EXPECT_FALSE(forOther.ok);
    EXPECT_EQ(forOther.fault, ServerFault::Refused) << forOther.problem.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers WHERE user_id = 'CD'")), 1);

    // Every table the student can read holds only the student's own ID and role.
    for (const QString& table : {QStringLiteral("answers"), QStringLiteral("logins"), QStringLiteral("class_students")}) {
        const PgResult rows = connection.exec(QStringLiteral("SELECT user_id FROM tonalyst.") + table);
        ASSERT_TRUE(rows.ok()) << table.toStdString() << rows.problem().toStdString();
        EXPECT_GE(rows.rows(), 1) << table.toStdString();
        for (int row = 0; row < rows.rows(); ++row)
            EXPECT_EQ(rows.text(row, 0), QStringLiteral("AB")) << table.toStdString();
    }
    for (const QString& table : {QStringLiteral("classes"), QStringLiteral("teacher_classes"), QStringLiteral("students")}) {
        const PgResult rows = connection.exec(QStringLiteral("SELECT * FROM tonalyst.") + table);
        EXPECT_EQ(rows.fault(), ServerFault::Refused) << table.toStdString();
    }

    // The student's own report counts the student's own answer.
    const CommandRun ownReport = runClass({QStringLiteral("report"), QStringLiteral("--db"), login(ab), QStringLiteral("--user"),
                                     QStringLiteral("AB"), QStringLiteral("--from"), QStringLiteral("2026-03-01"),
                                     QStringLiteral("--to"), QStringLiteral("2026-03-02")});
    EXPECT_EQ(ownReport.status, 0) << ownReport.err.toStdString();
    EXPECT_TRUE(ownReport.out.contains(QStringLiteral("User ID : AB")));
    EXPECT_TRUE(ownReport.out.contains(QRegularExpression(QStringLiteral("total attempts +1 ")))) << ownReport.out.toStdString();

    const CommandRun other = runClass({QStringLiteral("report"), QStringLiteral("--db"), login(ab),
                                       QStringLiteral("--user"), QStringLiteral("CD")});
    EXPECT_EQ(other.status, 1);
    EXPECT_TRUE(other.out.isEmpty());
    EXPECT_TRUE(other.err.contains(QStringLiteral("no student with the ID CD"))) << other.err.toStdString();
}

TEST_F(ClassDatabase, ATeacherReadsTheAnswersOfItsClassesOnly) {
    student(QStringLiteral("4B"), QStringLiteral("AB"));
    student(QStringLiteral("5C"), QStringLiteral("CD"));
    student(QStringLiteral("6D"), QStringLiteral("EF"));
    ClassServer admin(m_admin);
    QVector<AnswerRecord> answers;
    for (const QString& id : {QStringLiteral("AB"), QStringLiteral("CD"), QStringLiteral("EF")})
        answers << answerOf(id, QDate(2026, 3, 2), QStringLiteral("test"), QStringLiteral("intid"),
                            QStringLiteral("Major 3rd"), true, 3);
    ASSERT_TRUE(admin.push(answers).ok);

    const CommandRun added = runClass({QStringLiteral("add-teacher"), QStringLiteral("--db"), server(),
                                       QStringLiteral("--class"), QStringLiteral("4B,5C"), QStringLiteral("--user"),
                                       QStringLiteral("Ms T")});
    ASSERT_EQ(added.status, 0) << added.err.toStdString();
    const ClassLogin teacher{lineWith(added.out, QStringLiteral("role")).section(QStringLiteral(": "), 1),
                             lineWith(added.out, QStringLiteral("password")).section(QStringLiteral(": "), 1)};
    PgConnection connection;
    ASSERT_TRUE(connection.open(login(teacher))) << connection.problem().toStdString();
    const PgResult seen = connection.exec(QStringLiteral("SELECT user_id FROM tonalyst.answers ORDER BY user_id"));
    ASSERT_EQ(seen.rows(), 2);
    EXPECT_EQ(seen.text(0, 0), QStringLiteral("AB"));
    EXPECT_EQ(seen.text(1, 0), QStringLiteral("CD"));
    EXPECT_FALSE(connection.exec(QStringLiteral("INSERT INTO tonalyst.answers SELECT * FROM tonalyst.answers")).ok());

    const CommandRun mine = runClass({QStringLiteral("summary"), QStringLiteral("--db"), login(teacher),
                                      QStringLiteral("--class"), QStringLiteral("5C"), QStringLiteral("--from"),
                                      QStringLiteral("2026-03-01"), QStringLiteral("--to"), QStringLiteral("2026-03-05")});
    EXPECT_EQ(mine.status, 0) << mine.err.toStdString();
    EXPECT_TRUE(mine.out.contains(QStringLiteral("CD")));
    const CommandRun notMine = runClass({QStringLiteral("summary"), QStringLiteral("--db"), login(teacher),
                                         QStringLiteral("--class"), QStringLiteral("6D")});
    EXPECT_EQ(notMine.status, 1);
    EXPECT_FALSE(notMine.out.contains(QStringLiteral("EF")));
    const CommandRun report = runClass({QStringLiteral("report"), QStringLiteral("--db"), login(teacher),
                                        QStringLiteral("--user"), QStringLiteral("EF")});
    EXPECT_EQ(report.status, 1);
}

TEST_F(ClassDatabase, AFunctionAStudentPlantsInThePublicSchemaIsNeverRunByTonalyst) {
    // As on a database made before PostgreSQL 15, where everyone may create in public.
    ASSERT_TRUE(m_admin.exec(QStringLiteral("GRANT CREATE ON SCHEMA public TO PUBLIC")).ok());
    const ClassLogin planter = student(QStringLiteral("4B"), QStringLiteral("AB"));
    PgConnection connection;
    ASSERT_TRUE(connection.open(login(planter)));
    // A closer match than the catalog's format(text, VARIADIC "any"), so a session that
    // looks in public picks it, and runs it with the rights of whoever called it.
    const PgResult planted = connection.exec(
        QStringLiteral(
            "CREATE FUNCTION public.format(text, text, text, text) RETURNS text LANGUAGE plpgsql AS $$ "
            "BEGIN EXECUTE pg_catalog.format('GRANT tonalyst_teacher TO %I', '%1'); "
            "RETURN pg_catalog.format($1, $2, $3, $4); END $$")
            .arg(planter.roleName));
    ASSERT_TRUE(planted.ok()) << planted.problem().toStdString();

    for (const char* command : {"add-student", "add-teacher"}) {
        const CommandRun added = runClass({QString::fromLatin1(command), QStringLiteral("--db"), server(),
                                           QStringLiteral("--class"), QStringLiteral("4C"),
                                           QStringLiteral("--user"), QStringLiteral("EF")});
        EXPECT_EQ(added.status, 0) << added.err.toStdString();
    }
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM pg_auth_members m JOIN pg_roles r ON r.oid = m.member "
                             "WHERE r.rolname = $1"),
              {planter.roleName}),
        1);

    // init takes the right to create in public away from everyone.
    ASSERT_EQ(runClass({QStringLiteral("init"), QStringLiteral("--db"), server()}).status, 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM pg_namespace WHERE nspname = 'public' AND "
                                   "has_schema_privilege($1, oid, 'CREATE')"),
                    {planter.roleName}),
              0);
}

TEST_F(ClassDatabase, OneStudentIdIsOneStudentPutIntoASecondClassOnlyOnPurpose) {
    student(QStringLiteral("4B"), QStringLiteral("CD"));
    ASSERT_TRUE(ClassServer(m_admin)
                    .push({answerOf(QStringLiteral("CD"), QDate(2026, 3, 2), QStringLiteral("test"),
                                    QStringLiteral("spell"), QStringLiteral("Triad :"), true, 4)})
                    .ok);
    const auto classRun = [this](const char* command, const QString& className, const QString& userId) {
        return runClass({QString::fromLatin1(command), QStringLiteral("--db"), server(),
                         QStringLiteral("--class"), className, QStringLiteral("--user"), userId});
    };
    const CommandRun teacherMade = classRun("add-teacher", QStringLiteral("4C"), QStringLiteral("Ms T"));
    ASSERT_EQ(teacherMade.status, 0);
    const ClassLogin teacher{
        lineWith(teacherMade.out, QStringLiteral("role")).section(QStringLiteral(": "), 1),
        lineWith(teacherMade.out, QStringLiteral("password")).section(QStringLiteral(": "), 1)};
    const auto answersTheTeacherSees = [&] {
        PgConnection connection;
        EXPECT_TRUE(connection.open(login(teacher)));
        return connection.exec(QStringLiteral("SELECT count(*) FROM tonalyst.answers")).number(0, 0);
    };

    const CommandRun refused = classRun("add-student", QStringLiteral("4C"), QStringLiteral("CD"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("already a student of class 4B")))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("enrol")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.logins WHERE user_id = 'CD'")), 1);
    EXPECT_EQ(answersTheTeacherSees(), 0);

    const CommandRun enrolled = classRun("enrol", QStringLiteral("4C"), QStringLiteral("CD"));
    EXPECT_EQ(enrolled.status, 0) << enrolled.err.toStdString();
    EXPECT_TRUE(enrolled.out.contains(QStringLiteral("Classes: 4B, 4C"))) << enrolled.out.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.logins WHERE user_id = 'CD'")), 1);
    EXPECT_EQ(answersTheTeacherSees(), 1);

    const CommandRun nobody = classRun("enrol", QStringLiteral("4C"), QStringLiteral("GH"));
    EXPECT_EQ(nobody.status, 1);
    EXPECT_TRUE(nobody.err.contains(QStringLiteral("no student with the ID \"GH\"")))
        << nobody.err.toStdString();
}

TEST_F(ClassDatabase, TheServerStampsTheArrivalAndRefusesAVerdictItsOwnAnswersContradict) {
    const ClassLogin ab = student(QStringLiteral("4B"), QStringLiteral("AB"));
    PgConnection connection;
    ASSERT_TRUE(connection.open(login(ab)));
    ClassServer own(connection);
    const auto answer = [](bool correct) {
        return answerOf(QStringLiteral("AB"), QDate(2026, 3, 2), QStringLiteral("test"),
                        QStringLiteral("spell"), QStringLiteral("Triad :"), correct, 4);
    };
    AnswerRecord rightButWrong = answer(true);
    rightButWrong.given = QStringLiteral("C4 Eb4 G4");
    AnswerRecord wrongButRight = answer(false);
    wrongButRight.given = wrongButRight.right;
    AnswerRecord passedOffAsImported = answer(false);
    passedOffAsImported.correct = true;
    passedOffAsImported.imported = true;
    for (const AnswerRecord& made : {rightButWrong, wrongButRight, passedOffAsImported}) {
        const PushOutcome outcome = own.push({made});
        EXPECT_FALSE(outcome.ok) << made.given.toStdString();
        EXPECT_EQ(outcome.fault, made.imported ? ServerFault::Refused : ServerFault::Other)
            << outcome.problem.toStdString();
    }
    const PgResult backdated = connection.exec(QStringLiteral(
        "INSERT INTO tonalyst.answers (user_id, answer_id, day, method, activity, inversions, category, "
        "accidentals, "
        "correct, attempt, seconds, in_data_file, imported, received_at) VALUES ('AB', gen_random_uuid(), "
        "'2026-03-02', 'test', 'spell', '-1', 'Triad :', 0, false, 1, 4, true, false, '2020-01-01')"));
    EXPECT_EQ(backdated.fault(), ServerFault::Refused) << backdated.problem().toStdString();

    ASSERT_TRUE(own.push({answer(true), answer(false)}).ok);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers")), 2);
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT count(*) FROM tonalyst.answers WHERE received_at > now() - interval '1 minute'")),
              2);
}

} // namespace
} // namespace tonalyst::test
