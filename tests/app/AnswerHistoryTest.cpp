#include "app/AnswerHistory.h"

#include "support/TempLocations.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace tonalyst::test {
namespace {

AnswerRecord chordAnswer(const QString& user, const QString& item, bool correct) {
    AnswerRecord answer;
    answer.answeredUtc = QDateTime::currentDateTimeUtc();
    answer.userId = user;
    answer.method = QStringLiteral("practice");
    answer.activity = QStringLiteral("identify");
    answer.category = QStringLiteral("Triad :");
    answer.item = item;
    answer.correct = correct;
    return answer;
}

class AnswerHistoryTest : public ::testing::Test {
protected:
    AnswerHistoryTest()
        : history(files.dataDir(), QDir(files.dataDir()).filePath(QStringLiteral("varen.dat"))) {
        history.setUserId(QStringLiteral("AB"));
    }

    const std::string second = weakSpotItem("identify", "Triad :", "ii");
    TempLocations files;
    AnswerHistory history;
};

TEST_F(AnswerHistoryTest, AnswersJudgedWhileTheWeakSpotsAreReadCountOnce) {
    history.answerJudged(chordAnswer(QStringLiteral("AB"), QStringLiteral("ii"), false));
    bool told = false;
    history.readWeakSpotsAhead([&told] { told = true; });
    // Right once since it was failed: one box on, not two and not none.
    history.answerJudged(chordAnswer(QStringLiteral("AB"), QStringLiteral("ii"), true));
    history.answerJudged(chordAnswer(QStringLiteral("CD"), QStringLiteral("ii"), true));
    EXPECT_EQ(history.weakSpots().weight(second), WeakSpotSchedule::kBoxWeights[1]);

    history.answerJudged(chordAnswer(QStringLiteral("AB"), QStringLiteral("ii"), true));
    EXPECT_EQ(history.weakSpots().weight(second), WeakSpotSchedule::kBoxWeights[2]);
    // Taken in when Start needed it, it is not taken in again when the read reports.
    QTest::qWait(50);
    EXPECT_FALSE(told);
    EXPECT_EQ(history.weakSpots().weight(second), WeakSpotSchedule::kBoxWeights[2]);
}

TEST_F(AnswerHistoryTest, WeakSpotsReadAheadAreReportedAndBelongToTheCurrentStudent) {
    history.answerJudged(chordAnswer(QStringLiteral("AB"), QStringLiteral("ii"), false));
    bool told = false;
    history.readWeakSpotsAhead([&told] { told = true; });
    ASSERT_TRUE(QTest::qWaitFor([&told] { return told; }, 5000));
    EXPECT_EQ(history.weakSpots().weight(second), WeakSpotSchedule::kBoxWeights[0]);

    history.setUserId(QStringLiteral("CD"));
    EXPECT_TRUE(history.weakSpots().empty());
    // Already read: asking again reports at once.
    told = false;
    history.readWeakSpotsAhead([&told] { told = true; });
    EXPECT_TRUE(told);
}

// The writer tells at once what it finds at start: no one may miss it.
TEST(AnswerHistoryStart, WhatTheWriterFindsAtStartIsTold) {
    TempLocations files;
    const QString dataFile = QDir(files.dataDir()).filePath(QStringLiteral("varen.dat"));
    QFile refused(dataFile);
    ASSERT_TRUE(refused.open(QIODevice::WriteOnly));
    refused.write("not a record\r\n");
    refused.close();

    QStringList told;
    AnswerHistory history(files.dataDir(), dataFile, [&told](const QString& message) { told << message; });
    ASSERT_TRUE(QTest::qWaitFor([&told] { return !told.isEmpty(); }, 5000));
    EXPECT_TRUE(told[0].contains(QStringLiteral("varen.dat"))) << told[0].toStdString();
}

} // namespace
} // namespace tonalyst::test
