#include "ClassServerKit.h"

namespace tonalyst::test {
namespace {

class BareDatabase : public ClassDatabase {
protected:
    bool setUpSchema() const override { return false; }
};

TEST_F(BareDatabase, InitCreatesTheSchemaAndASecondInitFindsItUpToDate) {
    const CommandRun first = runClass({QStringLiteral("init"), QStringLiteral("--db"), server()});
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("set up"))) << first.out.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT max(version) FROM tonalyst.schema_version")), ClassSchema::latestVersion());

    const CommandRun second = runClass({QStringLiteral("init"), QStringLiteral("--db"), server()});
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(second.out.contains(QStringLiteral("up to date"))) << second.out.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.schema_version")), ClassSchema::latestVersion());
}

TEST_F(BareDatabase, EachStepUpgradesADatabaseMadeByTheStepBefore) {
    for (int step = 1; step <= ClassSchema::latestVersion(); ++step) {
        QString problem;
        ASSERT_TRUE(ClassSchema::migrate(m_admin, problem, step)) << step << problem.toStdString();
        EXPECT_EQ(ClassSchema::currentVersion(m_admin), step);
    }
    // A database upgraded step by step works like one made at once: students get logins
    // and the rules hold.
    ClassServer admin(m_admin);
    QString problem;
    const auto made = admin.addStudent(QStringLiteral("4B"), QStringLiteral("AB"), problem);
    ASSERT_TRUE(made) << problem.toStdString();
    PgConnection student;
    ASSERT_TRUE(student.open(login(*made))) << student.problem().toStdString();
    ClassServer own(student);
    EXPECT_TRUE(own.push({answerOf(QStringLiteral("AB"), QDate(2026, 3, 2), QStringLiteral("test"),
                                   QStringLiteral("spell"), QStringLiteral("Triad :"), true, 5)})
                    .ok);
}

TEST_F(BareDatabase, LoginsMadeBeforeStudentsHadRowsOfTheirOwnAreTiedToTheirStudentOnUpgrade) {
    QString problem;
    ASSERT_TRUE(ClassSchema::migrate(m_admin, problem, 3)) << problem.toStdString();
    // A student and a teacher as a Tonalyst of schema version 3 made them.
    const QString role = QStringLiteral("tonalyst_old_%1").arg(::getpid());
    const QString password = QStringLiteral("old-password-1");
    for (const QString& statement :
         {QStringLiteral("INSERT INTO tonalyst.classes (name) VALUES ('4B')"),
          QStringLiteral("INSERT INTO tonalyst.students (user_id) VALUES ('AB')"),
          QStringLiteral("INSERT INTO tonalyst.class_students SELECT class_id, 'AB' FROM tonalyst.classes"),
          QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2' IN ROLE tonalyst_student").arg(role, password),
          QStringLiteral(
              "INSERT INTO tonalyst.logins (role_name, user_id, is_teacher) VALUES ('%1', 'AB', false), "
              "('%1_t', 'Ms T', true)")
              .arg(role)}) {
        const PgResult done = m_admin.exec(statement);
        ASSERT_TRUE(done.ok()) << statement.toStdString() << done.problem().toStdString();
    }
    ASSERT_TRUE(ClassSchema::migrate(m_admin, problem)) << problem.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.logins l JOIN tonalyst.students s "
                                   "ON s.student_id = l.student_id AND s.user_id = l.user_id")),
              1);

    // The old login still adds and reads its student's answers, and the ID it had is
    // refused a second student in another class.
    PgConnection old;
    ASSERT_TRUE(old.open(cluster().loginServer(role, password, m_name))) << old.problem().toStdString();
    ASSERT_TRUE(ClassServer(old)
                    .push({answerOf(QStringLiteral("AB"), QDate(2026, 3, 2), QStringLiteral("test"),
                                    QStringLiteral("spell"), QStringLiteral("Triad :"), true, 5)})
                    .ok);
    EXPECT_EQ(old.exec(QStringLiteral("SELECT count(*) FROM tonalyst.answers")).number(0, 0), 1);
    EXPECT_FALSE(ClassServer(m_admin).addStudent(QStringLiteral("4C"), QStringLiteral("AB"), problem));
}

TEST_F(BareDatabase, AHalfUpgradedDatabaseIsRefusedUntilInitIsRun) {
    QString problem;
    ASSERT_TRUE(ClassSchema::migrate(m_admin, problem, 1));
    const CommandRun summary =
        runClass({QStringLiteral("summary"), QStringLiteral("--db"), server(), QStringLiteral("--class"), QStringLiteral("4B")});
    EXPECT_EQ(summary.status, 1);
    EXPECT_TRUE(summary.err.contains(QStringLiteral("older Tonalyst"))) << summary.err.toStdString();

    const CommandRun init = runClass({QStringLiteral("init"), QStringLiteral("--db"), server()});
    EXPECT_EQ(init.status, 0);
    EXPECT_TRUE(init.out.contains(QStringLiteral("upgraded from schema version 1"))) << init.out.toStdString();
}

TEST_F(ClassDatabase, ASchemaFromANewerTonalystIsRefusedAndLeftAlone) {
    ASSERT_TRUE(m_admin.exec(QStringLiteral("INSERT INTO tonalyst.schema_version (version) VALUES (99)")).ok());
    const CommandRun init = runClass({QStringLiteral("init"), QStringLiteral("--db"), server()});
    EXPECT_EQ(init.status, 1);
    EXPECT_TRUE(init.err.contains(QStringLiteral("newer Tonalyst"))) << init.err.toStdString();
    EXPECT_TRUE(init.err.contains(QStringLiteral("99")));

    const CommandRun add = runClass({QStringLiteral("add-student"), QStringLiteral("--db"), server(),
                                     QStringLiteral("--class"), QStringLiteral("4B"), QStringLiteral("--user"),
                                     QStringLiteral("AB")});
    EXPECT_EQ(add.status, 1);
    EXPECT_TRUE(add.err.contains(QStringLiteral("newer Tonalyst")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.logins")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT max(version) FROM tonalyst.schema_version")), 99);
}

} // namespace
} // namespace tonalyst::test
