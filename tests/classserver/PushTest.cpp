#include "ClassServerKit.h"

#include <QElapsedTimer>

#include <csignal>
#include <thread>

namespace tonalyst::test {
namespace {

QVector<AnswerRecord> answersOf(const QString& userId, int count) {
    QVector<AnswerRecord> answers;
    for (int i = 0; i < count; ++i)
        answers << answerOf(userId, QDate(2026, 3, 1).addDays(i % 20), i % 2 ? QStringLiteral("test") : QStringLiteral("practice"),
                            QStringLiteral("spell"), QStringLiteral("Seventh :"), i % 3 != 0, 1 + i % 17);
    return answers;
}

TEST_F(ClassDatabase, RepeatedAndConcurrentPushesNeverDoubleAnAnswer) {
    const ClassLogin login = student(QStringLiteral("4B"), QStringLiteral("AB"));
    const QVector<AnswerRecord> answers = answersOf(QStringLiteral("AB"), 6000);

    PgConnection first;
    ASSERT_TRUE(first.open(this->login(login)));
    const PushOutcome once = ClassServer(first).push(answers.mid(0, 100));
    ASSERT_TRUE(once.ok) << once.problem.toStdString();
    EXPECT_EQ(once.added, 100);

    // Two windows push the same answers at the same time.
    PushOutcome outcomes[2];
    std::thread pushers[2];
    for (int i = 0; i < 2; ++i) {
        pushers[i] = std::thread([&, i] {
            PgConnection connection;
            if (connection.open(this->login(login)))
                outcomes[i] = ClassServer(connection).push(answers);
        });
    }
    for (std::thread& pusher : pushers)
        pusher.join();
    EXPECT_TRUE(outcomes[0].ok && outcomes[1].ok) << outcomes[0].problem.toStdString() << outcomes[1].problem.toStdString();
    EXPECT_EQ(outcomes[0].added + outcomes[1].added, answers.size() - 100);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers")), answers.size());
    EXPECT_EQ(count(QStringLiteral("SELECT count(DISTINCT answer_id) FROM tonalyst.answers")), answers.size());
}

TEST_F(ClassDatabase, APushCutOffByTheServerStoppingAddsNothingAndTheNextPushAddsEachAnswerOnce) {
    student(QStringLiteral("4B"), QStringLiteral("AB"));
    const QVector<AnswerRecord> answers = answersOf(QStringLiteral("AB"), 3000);
    ASSERT_TRUE(ClassServer(m_admin).push(answers.mid(0, 500)).ok);

    PgConnection connection;
    ASSERT_TRUE(connection.open(server()));
    int batches = 0;
    QElapsedTimer timer;
    timer.start();
    // The first batch is in the server's open transaction when the server goes away.
    const PushOutcome cut = ClassServer(connection).push([&](QVector<AnswerRecord>& batch, QString&) {
        ++batches;
        if (batches == 2) {
            EXPECT_TRUE(cluster().stopAbruptly()) << cluster().problem().toStdString();
        }
        batch = batches <= 2 ? answers.mid((batches - 1) * 1500, 1500) : QVector<AnswerRecord>();
        return true;
    });
    EXPECT_FALSE(cut.ok);
    EXPECT_EQ(cut.fault, ServerFault::Unreachable) << cut.problem.toStdString();
    EXPECT_EQ(cut.added, 0);
    EXPECT_LT(timer.elapsed(), 30000);

    ASSERT_TRUE(cluster().start()) << cluster().problem().toStdString();
    PgConnection again;
    ASSERT_TRUE(again.open(server()));
    const PushOutcome retried = ClassServer(again).push(answers);
    ASSERT_TRUE(retried.ok) << retried.problem.toStdString();
    EXPECT_EQ(retried.added, answers.size() - 500);
    PgConnection check;
    ASSERT_TRUE(check.open(server()));
    const PgResult counted = check.exec(QStringLiteral("SELECT count(*), count(DISTINCT answer_id) FROM tonalyst.answers"));
    EXPECT_EQ(counted.number(0, 0), answers.size());
    EXPECT_EQ(counted.number(0, 1), answers.size());
}

TEST_F(ClassDatabase, APushCutOffByTheNetworkNeverHoldsUpTheNextOneNorLeavesASessionBehind) {
    const ClassLogin login = student(QStringLiteral("4B"), QStringLiteral("AB"));
    const QVector<AnswerRecord> answers = answersOf(QStringLiteral("AB"), 200);
    StallingProxy proxy(cluster().port());
    ASSERT_NE(proxy.port(), 0);

    // The network stops passing anything once the answers are in the server's open
    // transaction: the server's session holds their locks and never hears the commit.
    PgConnection cut;
    PgConnection::Limits quick;
    quick.statement = std::chrono::seconds(2);
    quick.idleInTransaction = std::chrono::seconds(3);
    ASSERT_TRUE(cut.open(QStringLiteral("postgresql://%1:%2@127.0.0.1:%3/%4")
                             .arg(login.roleName, login.password)
                             .arg(proxy.port())
                             .arg(m_name),
                         quick))
        << cut.problem().toStdString();
    bool given = false;
    const PushOutcome lost = ClassServer(cut).push([&](QVector<AnswerRecord>& batch, QString&) {
        if (given)
            proxy.stall();
        batch = given ? QVector<AnswerRecord>() : answers;
        given = true;
        return true;
    });
    ASSERT_FALSE(lost.ok);
    EXPECT_EQ(lost.fault, ServerFault::TimedOut) << lost.problem.toStdString();

    // The next push, as the window makes it, gets through once the cut session is gone.
    QElapsedTimer timer;
    timer.start();
    PgConnection next;
    ASSERT_TRUE(next.open(this->login(login)));
    const PushOutcome pushed = ClassServer(next).push(answers);
    EXPECT_TRUE(pushed.ok) << pushed.problem.toStdString();
    EXPECT_EQ(pushed.added, answers.size());
    EXPECT_LT(timer.elapsed(), 60000);
    // The cut session's process ends just after it lets go of its locks, so on a busy
    // machine its row can outlast them by a moment; one left behind stays for good.
    const auto leftIdle = [&] {
        return count(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = $1 AND state LIKE "
                                    "'idle in transaction%'"),
                     {m_name});
    };
    QElapsedTimer settling;
    settling.start();
    while (leftIdle() != 0 && settling.elapsed() < 5000)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(leftIdle(), 0);
}

TEST(ServerOutOfReach, AClosedPortFailsAtOnceAndASilentServerWithinTheConnectTimeout) {
    PgConnection closed;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(closed.open(QStringLiteral("host=127.0.0.1 port=%1 dbname=x user=x").arg(PgCluster::closedPort())));
    EXPECT_EQ(closed.fault(), ServerFault::Unreachable) << closed.problem().toStdString();
    EXPECT_LT(timer.elapsed(), 5000);

    const SilentListener silent;
    ASSERT_NE(silent.port(), 0);
    timer.restart();
    PgConnection hanging;
    EXPECT_FALSE(hanging.open(QStringLiteral("postgresql://x@127.0.0.1:%1/x").arg(silent.port()),
                              {std::chrono::seconds(2), std::chrono::seconds(2)}));
    EXPECT_EQ(hanging.fault(), ServerFault::TimedOut) << hanging.problem().toStdString();
    EXPECT_GE(timer.elapsed(), 1500);
    EXPECT_LT(timer.elapsed(), 10000);

    const CommandRun report = runClass({QStringLiteral("report"), QStringLiteral("--db"),
                                        QStringLiteral("host=127.0.0.1 port=%1 user=x dbname=x").arg(PgCluster::closedPort()),
                                        QStringLiteral("--user"), QStringLiteral("AB")});
    EXPECT_EQ(report.status, 1);
    EXPECT_TRUE(report.err.contains(QStringLiteral("cannot be reached"))) << report.err.toStdString();
}

TEST_F(ClassDatabase, AServerThatStopsAnsweringMidSessionEndsTheStatementAtItsDeadline) {
    PgConnection connection;
    ASSERT_TRUE(connection.open(server(), {std::chrono::seconds(5), std::chrono::seconds(2)}));
    const PgResult backend = connection.exec(QStringLiteral("SELECT pg_backend_pid()"));
    ASSERT_TRUE(backend.ok());
    const pid_t pid = static_cast<pid_t>(backend.number(0, 0));
    ASSERT_EQ(::kill(pid, SIGSTOP), 0);
    QElapsedTimer timer;
    timer.start();
    const PgResult frozen = connection.exec(QStringLiteral("SELECT 1"));
    const qint64 waited = timer.elapsed();
    ::kill(pid, SIGCONT);
    EXPECT_EQ(frozen.fault(), ServerFault::TimedOut) << frozen.problem().toStdString();
    EXPECT_LT(waited, 10000);
    EXPECT_FALSE(connection.isOpen());
}

} // namespace
} // namespace tonalyst::test
