#include "history/HistoryStore.h"

#include "HistoryTestKit.h"
#include "support/TempLocations.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <signal.h>

namespace tonalyst::test {
namespace {

// The last batch the child confirmed on its standard output before it died; 0 for none.
int lastConfirmedBatch(const QByteArray& output) {
    int last = 0;
    for (const QByteArray& line : output.split('\n')) {
        bool number = false;
        const int batch = line.toInt(&number);
        if (number)
            last = batch;
    }
    return last;
}

TEST(KilledHistoryWriter, LeavesAReadableHistoryWithEveryConfirmedBatchWhole) {
    TempLocations files;
    const QString path = HistoryStore::pathIn(files.dataDir());
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
    QElapsedTimer elapsed;
    elapsed.start();
    int kills = 0;
    int lastBatch = 0;
    while (kills < 40 && elapsed.elapsed() < 6000) {
        QProcess child;
        child.start(QStringLiteral(HISTORY_CHILD), {path, QString::number(lastBatch + 1)});
        QByteArray output;
        while (!output.contains("ready\n")) {
            ASSERT_TRUE(child.waitForReadyRead(10000)) << child.readAllStandardError().toStdString();
            output += child.readAllStandardOutput();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        output += child.readAllStandardOutput();
        const int confirmed = std::max(lastConfirmedBatch(output), lastBatch);
        ++kills;

        // Opened as the program opens it: checked whole, nothing renamed aside.
        HistoryStore history(path);
        QString notice;
        ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
        ASSERT_TRUE(notice.isEmpty()) << notice.toStdString();
        const std::vector<AnswerRecord> answers = history.answers({QStringLiteral("K"), {}, {}, {}});
        ASSERT_EQ(answers.size() % 5, 0u) << "a batch was stored in part";
        QMap<QString, int> perBatch;
        for (const AnswerRecord& answer : answers)
            ++perBatch[answer.runId];
        int found = 0;
        for (auto batch = perBatch.cbegin(); batch != perBatch.cend(); ++batch) {
            ASSERT_EQ(batch.value(), 5) << "batch " << batch.key().toStdString();
            found = std::max(found, batch.key().toInt());
        }
        ASSERT_EQ(static_cast<int>(perBatch.size()), found) << "a batch went missing";
        // The batch in hand when the kill came is there whole or not at all.
        ASSERT_GE(found, confirmed);
        ASSERT_LE(found, confirmed + 1);
        lastBatch = found;
    }
    ::testing::Test::RecordProperty("kills", kills);
    ::testing::Test::RecordProperty("batchesStored", lastBatch);
    EXPECT_GE(kills, 10);
}

TEST(KilledHistoryWriter, OnlyAHistoryLeftOpenByAKillIsCheckedWholeAtStart) {
    TempLocations files;
    const QString path = HistoryStore::pathIn(files.dataDir());
    fillHistory(path, QStringLiteral("AB"), 2000);
    damagePageHolding(path, "asked-01000;");
    const auto setAside = [&] {
        return QDir(files.dataDir()).entryList({QStringLiteral("history.sqlite.damaged-*")}, QDir::Files);
    };

    // Closed cleanly: opened at once, the damage left for the reading that meets it.
    {
        HistoryStore history(path);
        QString notice;
        ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
        EXPECT_TRUE(notice.isEmpty()) << notice.toStdString();
    }
    EXPECT_TRUE(setAside().isEmpty());

    // Left open by a writer killed outright: checked whole, and the damage found.
    QProcess child;
    child.start(QStringLiteral(HISTORY_CHILD), {path, QStringLiteral("1")});
    QByteArray output;
    while (!output.contains("ready\n")) {
        ASSERT_TRUE(child.waitForReadyRead(10000)) << child.readAllStandardError().toStdString();
        output += child.readAllStandardOutput();
    }
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    HistoryStore history(path);
    QString notice;
    ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("was damaged"))) << notice.toStdString();
    EXPECT_EQ(setAside().size(), 1);
}

} // namespace
} // namespace tonalyst::test
