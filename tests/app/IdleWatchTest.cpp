#include "app/IdleWatch.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

QDateTime at(int day, int hour, int minute, int second) {
    return QDateTime(QDate(1998, 5, day), QTime(hour, minute, second));
}

// Ticks once a second, as the main window's timer does, and returns the moment of the
// first tick that finds a shutdown due, or an invalid moment if none came within `limit`.
QDateTime firstShutdownTick(IdleWatch& watch, test::FakeClock& clock, qint64 limitSeconds) {
    for (qint64 tick = 0; tick < limitSeconds; ++tick) {
        clock.advanceSeconds(1);
        if (watch.shutdownDue(clock.now()))
            return clock.now();
    }
    return {};
}

TEST(IdleWatch, FiveMinutesEndTheRunWhenTheSixthMinuteBoundaryPasses) {
    // From 14:03:27 the sixth boundary is 14:09:00: 5 minutes 33 seconds of real time.
    test::FakeClock clock(at(12, 14, 3, 27));
    IdleWatch watch;
    watch.setLimit(5, clock.now());
    EXPECT_EQ(firstShutdownTick(watch, clock, 3600), at(12, 14, 9, 0));
    EXPECT_EQ(watch.idleMinutes(), 6);
}

TEST(IdleWatch, TheRealIdleTimeLiesBetweenTheLimitAndOneMinuteMore) {
    for (const int second : {0, 1, 59}) {
        test::FakeClock clock(at(12, 14, 3, second));
        const QDateTime start = clock.now();
        IdleWatch watch;
        watch.setLimit(5, start);
        const QDateTime due = firstShutdownTick(watch, clock, 3600);
        EXPECT_EQ(due, at(12, 14, 9, 0)) << second;
        EXPECT_GT(start.secsTo(due), 5 * 60);
        EXPECT_LE(start.secsTo(due), 6 * 60);
    }
}

TEST(IdleWatch, CountsAcrossMidnight) {
    test::FakeClock clock(at(12, 23, 58, 30));
    IdleWatch watch;
    watch.setLimit(5, clock.now());
    EXPECT_EQ(firstShutdownTick(watch, clock, 3600), at(13, 0, 4, 0));
}

TEST(IdleWatch, NeverStopsAutomaticShutdown) {
    test::FakeClock clock;
    IdleWatch watch;
    watch.setLimit(5, clock.now());
    clock.advanceSeconds(60);
    watch.setLimit(IdleWatch::Limit(), clock.now());
    EXPECT_FALSE(firstShutdownTick(watch, clock, 24 * 3600).isValid());
}

TEST(IdleWatch, ANewLimitRestartsTheCountFromItsOk) {
    test::FakeClock clock(at(12, 10, 0, 0));
    IdleWatch watch;
    watch.setLimit(5, clock.now());
    clock.set(at(12, 10, 5, 30));
    EXPECT_FALSE(watch.shutdownDue(clock.now()));
    watch.setLimit(10, clock.now());
    EXPECT_EQ(firstShutdownTick(watch, clock, 3600), at(12, 10, 16, 0));
}

TEST(IdleWatch, AnAcceptedAnswerRestartsTheCount) {
    test::FakeClock clock(at(12, 10, 0, 0));
    IdleWatch watch;
    watch.setLimit(5, clock.now());
    clock.set(at(12, 10, 5, 59));
    watch.touch(clock.now());
    EXPECT_EQ(watch.lastActivity(), at(12, 10, 5, 59));
    EXPECT_EQ(firstShutdownTick(watch, clock, 3600), at(12, 10, 11, 0));
}

TEST(IdleWatch, AClockSetBackNeverTriggersShutdown) {
    test::FakeClock clock(at(12, 10, 0, 0));
    IdleWatch watch;
    watch.setLimit(5, clock.now());
    clock.set(at(12, 9, 0, 0));
    EXPECT_FALSE(watch.shutdownDue(clock.now()));
}

} // namespace
} // namespace tonalyst
