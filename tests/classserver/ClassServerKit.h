#pragma once

#include "PgCluster.h"

#include "classserver/ClassCommand.h"
#include "classserver/ClassSchema.h"
#include "classserver/ClassServer.h"
#include "classserver/PgConnection.h"
#include "history/AnswerRecord.h"

#include <QRandomGenerator>
#include <QTextStream>
#include <QUuid>

#include <gtest/gtest.h>

namespace tonalyst::test {

// The one cluster every test of this program shares, started on first use.
inline PgCluster& cluster() {
    static PgCluster shared;
    if (!shared.isRunning() && !shared.start())
        ADD_FAILURE() << "the test PostgreSQL server did not start: " << shared.problem().toStdString();
    return shared;
}

struct CommandRun {
    int status = -1;
    QString out;
    QString err;
};

inline CommandRun runClass(const QStringList& arguments) {
    CommandRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runClassCommand(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

// Each test gets a class database of its own, set up to the latest schema unless asked.
class ClassDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        static int made = 0;
        m_name = QStringLiteral("class_%1_%2").arg(::getpid()).arg(++made);
        PgConnection admin;
        ASSERT_TRUE(admin.open(cluster().adminServer(QStringLiteral("postgres")))) << admin.problem().toStdString();
        ASSERT_TRUE(admin.exec(QStringLiteral("CREATE DATABASE ") + m_name + QStringLiteral(" STRATEGY FILE_COPY")).ok());
        ASSERT_TRUE(m_admin.open(server()));
        if (setUpSchema()) {
            QString problem;
            ASSERT_TRUE(ClassSchema::migrate(m_admin, problem)) << problem.toStdString();
        }
    }

    virtual bool setUpSchema() const { return true; }
    QString server() const { return cluster().adminServer(m_name); }
    QString login(const ClassLogin& role) const { return cluster().loginServer(role.roleName, role.password, m_name); }

    ClassLogin student(const QString& className, const QString& userId) {
        QString problem;
        ClassServer server(m_admin);
        const auto made = server.addStudent(className, userId, problem);
        EXPECT_TRUE(made) << problem.toStdString();
        return made.value_or(ClassLogin{});
    }

    qint64 count(const QString& sql, const QStringList& parameters = {}) {
        const PgResult result = m_admin.exec(sql, parameters);
        EXPECT_TRUE(result.ok()) << result.problem().toStdString();
        return result.rows() == 1 ? result.number(0, 0) : -1;
    }

    QString m_name;
    PgConnection m_admin;
};

// An answer as a student's machine would store it.
inline AnswerRecord answerOf(const QString& userId, QDate day, const QString& method, const QString& activity,
                             const QString& category, bool correct, int seconds) {
    AnswerRecord answer;
    answer.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    answer.answeredUtc = QDateTime(day, QTime(10, 30)).toUTC();
    answer.userId = userId;
    answer.runId = QStringLiteral("run");
    answer.method = method;
    answer.activity = activity;
    answer.inversions = QStringLiteral("-1");
    answer.category = category;
    answer.accidentals = 2;
    answer.asked = QStringLiteral("C4 E4 G4");
    answer.right = QStringLiteral("C4 E4 G4");
    answer.given = correct ? answer.right : QStringLiteral("C4 Eb4 G4");
    answer.correct = correct;
    answer.seconds = seconds;
    return answer;
}

} // namespace tonalyst::test
