#include "cycle/RunCounters.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

RunCounters counted(std::initializer_list<std::pair<qint64, bool>> answers) {
    RunCounters counters;
    for (const auto& [seconds, right] : answers) {
        if (right)
            counters.countSuccess();
        counters.addAnswer(seconds);
    }
    return counters;
}

TEST(RunCounters, theSuccessRateIsTruncated) {
    const RunCounters counters = counted({{4, true}, {5, false}, {6, true}});
    EXPECT_EQ(counters.successrate(), 66);
    const StatusValues values = counters.statusValues();
    EXPECT_EQ(values.successRate, QStringLiteral(" 66 %"));
    EXPECT_EQ(values.successes, QStringLiteral(" 2"));
    EXPECT_EQ(values.timePerQuestion, QStringLiteral(" 5 sec"));
    EXPECT_EQ(values.score, QStringLiteral(" 1320"));
}

TEST(RunCounters, theAverageTimeIsRoundedDown) {
    EXPECT_EQ(counted({{4, true}, {5, true}}).avganswertime(), 4);
    EXPECT_EQ(counted({{1, true}, {1, true}, {2, true}}).avganswertime(), 1);
}

TEST(RunCounters, aHalfScoreGoesToTheEvenNeighbour) {
    // 25 % in 8 seconds a question is 312.5; 75 % is 937.5.
    EXPECT_EQ(counted({{8, true}, {8, false}, {8, false}, {8, false}}).score(), 312);
    EXPECT_EQ(counted({{8, true}, {8, true}, {8, true}, {8, false}}).score(), 938);
}

TEST(RunCounters, answersWithinTheSameSecondLeaveTheScoreAsItWas) {
    const RunCounters counters = counted({{0, true}, {0, true}});
    EXPECT_EQ(counters.avganswertime(), 0);
    EXPECT_FALSE(counters.score().has_value());
    const StatusValues values = counters.statusValues();
    EXPECT_FALSE(values.score.has_value());
    EXPECT_EQ(values.timePerQuestion, QStringLiteral(" 0 sec"));
    EXPECT_EQ(values.successRate, QStringLiteral(" 100 %"));
}

} // namespace
} // namespace tonalyst
