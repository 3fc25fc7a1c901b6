#include "ClassServerKit.h"

#include "classserver/AnswerPusher.h"
#include "classserver/HistoryOutbox.h"
#include "history/HistoryWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tonalyst::test {
namespace {

QString dataFileIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).filePath(QStringLiteral("varen.dat"));
}

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
        HistoryWriter writer(path, dataFileIn(dir));
        writer.start();
        HistoryOutbox outbox(path, QStringLiteral("AB"), writer);
        EXPECT_EQ(outbox.unsentCount(), 1300);
        const PushStatus status = pushWaitingAnswers(outbox, this->login(login));
        EXPECT_EQ(status.fault, ServerFault::None) << status.problem.toStdString();
        EXPECT_EQ(status.sent, 1300);
        EXPECT_EQ(status.waiting, 0);
    }
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers")), 1300);

    // A later start reads the marks back from the file: nothing is sent twice.
    HistoryWriter writer(path, dataFileIn(dir));
    writer.start();
    HistoryOutbox again(path, QStringLiteral("AB"), writer);
    EXPECT_EQ(again.unsentCount(), 0);
    EXPECT_EQ(pushWaitingAnswers(again, this->login(login)).sent, 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers")), 1300);
}

// The outbox only reads: making the history, and renaming a damaged one aside while the
// progress window may be reading it, are the writer's alone.
TEST(HistoryOutbox, HasNothingToSendAndTouchesNothingUntilTheWriterHasMadeOrMendedTheHistory) {
    const std::vector<std::pair<const char*, QByteArray>> starts{
        {"no history yet", {}},
        {"a damaged history",
         QByteArray("this is no database, just words in a file named like one\n").repeated(200)}};
    for (const auto& [start, content] : starts) {
        SCOPED_TRACE(start);
        QTemporaryDir dir;
        const QString path = HistoryStore::pathIn(dir.path());
        if (!content.isEmpty()) {
            QFile damaged(path);
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write(content);
        }
        HistoryWriter writer(path, dataFileIn(dir));
        HistoryOutbox outbox(path, QStringLiteral("AB"), writer);
        EXPECT_EQ(outbox.unsentCount(), 0);
        EXPECT_TRUE(outbox.unsent(10).isEmpty());
        QFile left(path);
        if (content.isEmpty()) {
            EXPECT_FALSE(left.exists());
        } else {
            ASSERT_TRUE(left.open(QIODevice::ReadOnly));
            EXPECT_EQ(left.readAll(), content);
        }
        EXPECT_EQ(
            QDir(dir.path()).entryList({QStringLiteral("history.sqlite.damaged-*")}, QDir::Files).size(), 0);

        // The writer makes or mends the history; the same outbox then finds the answers.
        writer.start();
        writer.record(answerOf(QStringLiteral("AB"), QDate(2026, 3, 2), QStringLiteral("test"),
                               QStringLiteral("identify"), QStringLiteral("V7 of"), true, 2));
        writer.flush();
        EXPECT_EQ(outbox.unsentCount(), 1);
    }
}

} // namespace
} // namespace tonalyst::test
