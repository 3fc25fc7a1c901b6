#include "ClassServerKit.h"

#include "classserver/AnswerPusher.h"
#include "classserver/HistoryOutbox.h"

#include <QTemporaryDir>

namespace tonalyst::test {
namespace {

TEST_F(ClassDatabase, AnswersInTheHistoryFileReachTheServerOnceAndStayNotedAsSent) {
    const ClassLogin login = student(QStringLiteral("4B"), QStringLiteral("AB"));
    QTemporaryDir dir;
    const QString path = HistoryStore::pathIn(dir.path());

    std::vector<AnswerRecord> answers;
    for (int i = 0; i < 1300; ++i)
        answers.push_back(answerOf(QStringLiteral("AB"), QDate(2026, 3, 2), QStringLiteral("practice"),
                                   QStringLiteral("spell"), QStringLiteral("Triads"), i % 3 != 0, 4));
    {
        HistoryStore writer(path);
        QString notice;
        ASSERT_TRUE(writer.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
        QString error;
        ASSERT_TRUE(writer.append(answers, error)) << error.toStdString();
    }

    {
        HistoryOutbox outbox(path, QStringLiteral("AB"));
        EXPECT_EQ(outbox.unsentCount(), 1300);
        const PushStatus status = pushWaitingAnswers(outbox, this->login(login));
        EXPECT_EQ(status.fault, ServerFault::None) << status.problem.toStdString();
        EXPECT_EQ(status.sent, 1300);
        EXPECT_EQ(status.waiting, 0);
    }
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers")), 1300);

    // A later start reads the marks back from the file: nothing is sent twice.
    HistoryOutbox again(path, QStringLiteral("AB"));
    EXPECT_EQ(again.unsentCount(), 0);
    EXPECT_EQ(pushWaitingAnswers(again, this->login(login)).sent, 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers")), 1300);
}

TEST(HistoryOutbox, AHistoryNotYetMadeHasNothingToSendUntilItIs) {
    QTemporaryDir dir;
    const QString path = HistoryStore::pathIn(dir.path());
    HistoryOutbox outbox(path, QStringLiteral("AB"));
    EXPECT_EQ(outbox.unsentCount(), 0);
    EXPECT_TRUE(outbox.unsent(10).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));

    // The writer makes the history later; the same outbox then finds the answers.
    HistoryStore writer(path);
    QString notice;
    ASSERT_TRUE(writer.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
    QString error;
    ASSERT_TRUE(writer.append({answerOf(QStringLiteral("AB"), QDate(2026, 3, 2), QStringLiteral("test"),
                                        QStringLiteral("identify"), QStringLiteral("V7 of"), true, 2)},
                              error));
    EXPECT_EQ(outbox.unsentCount(), 1);
}

} // namespace
} // namespace tonalyst::test
