#include "ClassServerKit.h"

#include "classserver/AnswerPusher.h"
#include "classserver/ClassServerSettings.h"
#include "classserver/PushWorker.h"

#include <QElapsedTimer>

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <set>

namespace tonalyst::test {
namespace {

// The answer history's part in a push, kept in memory; it can be told to fail noting
// answers as sent.
class MemoryOutbox final : public AnswerOutbox {
public:
    explicit MemoryOutbox(QVector<AnswerRecord> answers) : m_answers(std::move(answers)) {}

    QVector<AnswerRecord> unsent(int limit) override {
        QVector<AnswerRecord> waiting;
        for (const AnswerRecord& answer : m_answers) {
            if (!m_sent.count(answer.answerId) && waiting.size() < limit)
                waiting << answer;
        }
        return waiting;
    }
    bool markSent(const QStringList& answerIds) override {
        if (failMarking)
            return false;
        m_sent.insert(answerIds.begin(), answerIds.end());
        return true;
    }
    qint64 unsentCount() override { return m_answers.size() - static_cast<qint64>(m_sent.size()); }

    bool failMarking = false;

private:
    QVector<AnswerRecord> m_answers;
    std::set<QString> m_sent;
};

QVector<AnswerRecord> answersOf(const QString& userId, int count) {
    QVector<AnswerRecord> answers;
    for (int i = 0; i < count; ++i)
        answers << answerOf(userId, QDate(2026, 3, 2), QStringLiteral("test"), QStringLiteral("identify"),
                            QStringLiteral("V7 of"), i % 2 == 0, 3);
    return answers;
}

TEST_F(ClassDatabase, AnswersWaitLocallyUntilTheServerHasThemAndAreNeverShownAsSentBefore) {
    const ClassLogin login = student(QStringLiteral("4B"), QStringLiteral("AB"));
    MemoryOutbox outbox(answersOf(QStringLiteral("AB"), 7000));

    // Server out of reach: everything waits, and the student is told why.
    const PushStatus down = pushWaitingAnswers(
        outbox, QStringLiteral("host=127.0.0.1 port=%1 dbname=x user=x").arg(PgCluster::closedPort()));
    EXPECT_EQ(down.sent, 0);
    EXPECT_EQ(down.waiting, 7000);
    EXPECT_EQ(pushStatusText(down).toStdString(),
              "Class server: 7000 answers are waiting on this computer, because the class server cannot be reached "
              "(it may be switched off, or the network is down). They are kept and sent later.");

    const PushStatus refused =
        pushWaitingAnswers(outbox, cluster().loginServer(login.roleName, QStringLiteral("wrong"), m_name));
    EXPECT_EQ(refused.fault, ServerFault::WrongPassword);
    EXPECT_EQ(refused.waiting, 7000);

    // The history cannot note the first batch as sent: it stays waiting, though the
    // server has it; the next push sends it again and the server keeps one of each.
    outbox.failMarking = true;
    const PushStatus unnoted = pushWaitingAnswers(outbox, this->login(login));
    EXPECT_EQ(unnoted.sent, 0);
    EXPECT_EQ(unnoted.waiting, 7000);
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers")), 0);
    outbox.failMarking = false;

    const PushStatus done = pushWaitingAnswers(outbox, this->login(login));
    EXPECT_EQ(done.sent, 7000);
    EXPECT_EQ(done.waiting, 0);
    EXPECT_EQ(pushStatusText(done), QStringLiteral("Class server: all your answers are sent."));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers")), 7000);
}

TEST_F(ClassDatabase, TheWorkerPushesOffTheCallersThreadAndTestsTheConnection) {
    const ClassLogin login = student(QStringLiteral("4B"), QStringLiteral("AB"));
    std::atomic<bool> madeOffThread = false;
    const Qt::HANDLE caller = QThread::currentThreadId();
    PushWorker worker([&] {
        madeOffThread = QThread::currentThreadId() != caller;
        return std::make_unique<MemoryOutbox>(answersOf(QStringLiteral("AB"), 30));
    });
    QSignalSpy pushed(&worker, &PushWorker::pushed);
    worker.request(this->login(login));
    ASSERT_TRUE(pushed.wait(20000));
    EXPECT_TRUE(madeOffThread);
    const auto status = pushed.takeFirst().at(0).value<PushStatus>();
    EXPECT_EQ(status.sent, 30);
    EXPECT_EQ(status.waiting, 0);

    QSignalSpy tested(&worker, &PushWorker::tested);
    worker.requestTest(this->login(login));
    ASSERT_TRUE(tested.wait(20000));
    EXPECT_TRUE(tested.first().at(0).toBool()) << tested.first().at(1).toString().toStdString();
    worker.requestTest(QStringLiteral("host=127.0.0.1 port=%1 dbname=x user=x").arg(PgCluster::closedPort()));
    ASSERT_TRUE(tested.wait(20000));
    EXPECT_FALSE(tested.last().at(0).toBool());
    EXPECT_TRUE(tested.last().at(1).toString().contains(QStringLiteral("cannot be reached")));
}

// The history's part as the worker's thread sees it, kept by the test across workers.
class BorrowedOutbox final : public AnswerOutbox {
public:
    explicit BorrowedOutbox(MemoryOutbox& outbox) : m_outbox(outbox) {}
    QVector<AnswerRecord> unsent(int limit) override { return m_outbox.unsent(limit); }
    bool markSent(const QStringList& answerIds) override { return m_outbox.markSent(answerIds); }
    qint64 unsentCount() override { return m_outbox.unsentCount(); }

private:
    MemoryOutbox& m_outbox;
};

TEST_F(ClassDatabase, QuittingCancelsAPushTheServerIsSilentOnAndKeepsItsAnswersWaiting) {
    const ClassLogin login = student(QStringLiteral("4B"), QStringLiteral("AB"));
    MemoryOutbox outbox(answersOf(QStringLiteral("AB"), 30));
    // The server takes the push's statement and says nothing until the table is free.
    PgConnection locker;
    ASSERT_TRUE(locker.open(server()));
    ASSERT_TRUE(locker.exec(QStringLiteral("BEGIN")).ok());
    ASSERT_TRUE(locker.exec(QStringLiteral("LOCK TABLE tonalyst.answers IN ACCESS EXCLUSIVE MODE")).ok());
    const QString waiting = QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE usename = $1 AND "
                                           "wait_event_type = 'Lock'");

    auto worker =
        std::make_unique<PushWorker>([&outbox] { return std::make_unique<BorrowedOutbox>(outbox); });
    worker->request(this->login(login));
    QElapsedTimer timer;
    timer.start();
    while (count(waiting, {login.roleName}) == 0 && timer.elapsed() < 10000)
        QThread::msleep(20);
    ASSERT_EQ(count(waiting, {login.roleName}), 1);

    timer.restart();
    worker.reset();
    EXPECT_LT(timer.elapsed(), 2000);
    // The statement is cancelled on the server, not left waiting there.
    while (count(waiting, {login.roleName}) != 0 && timer.elapsed() < 2000)
        QThread::msleep(20);
    EXPECT_EQ(count(waiting, {login.roleName}), 0);
    ASSERT_TRUE(locker.exec(QStringLiteral("ROLLBACK")).ok());

    EXPECT_EQ(outbox.unsentCount(), 30);
    EXPECT_EQ(pushWaitingAnswers(outbox, this->login(login)).sent, 30);
}

TEST(ClassServerSettings, EachUserHasTheirOwnSettingOffUntilTurnedOn) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("tonalyst.ini")), QSettings::IniFormat);
    const QString tricky = QStringLiteral("a/b \"c\"; d=e");
    EXPECT_EQ(ClassServerSettings::load(settings, tricky), ClassServerSettings{});
    const ClassServerSettings chosen{true, QStringLiteral("classroom")};
    chosen.save(settings, tricky);
    ClassServerSettings{false, QStringLiteral("postgresql://other/db")}.save(settings, QStringLiteral("a"));
    settings.sync();

    QSettings reread(folder.filePath(QStringLiteral("tonalyst.ini")), QSettings::IniFormat);
    EXPECT_EQ(ClassServerSettings::load(reread, tricky), chosen);
    EXPECT_FALSE(ClassServerSettings::load(reread, QStringLiteral("a")).enabled);
    EXPECT_EQ(ClassServerSettings::load(reread, QStringLiteral("a/b")), ClassServerSettings{});
}

} // namespace
} // namespace tonalyst::test
