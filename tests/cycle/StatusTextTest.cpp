#include "cycle/StatusText.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

TEST(ElapsedText, ReadsHoursMinutesSecondsWithSignBlanks) {
    EXPECT_EQ(elapsedText(3605), QStringLiteral(" 1: 0: 5"));
    EXPECT_EQ(elapsedText(5 * 60 + 7), QStringLiteral(" 0: 5: 7"));
    EXPECT_EQ(elapsedText(0), QStringLiteral(" 0: 0: 0"));
    EXPECT_EQ(elapsedText(26 * 3600 + 59 * 60 + 59), QStringLiteral(" 26: 59: 59"));
}

TEST(ElapsedText, IsEmptyWhenTheClockWentBack) {
    EXPECT_EQ(elapsedText(-1), QString());
    EXPECT_EQ(elapsedText(-3600), QString());
}

TEST(NumberText, BlankStandsWhereTheSignWouldBe) {
    EXPECT_EQ(numberText(66), QStringLiteral(" 66"));
    EXPECT_EQ(numberText(-4), QStringLiteral("-4"));
}

} // namespace
} // namespace tonalyst
