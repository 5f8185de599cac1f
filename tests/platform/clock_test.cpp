#include "platform/clock.h"

#include "fakes.h"
#include "platform/services.h"
#include "qt_application.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>

using namespace arkivo;

TEST(Delay, ShortWaitsSleepOnTheClockAndLetNothingRun) {
    test::TestServices services;
    test::ensureApplication();
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    platform::Delay(1000);
    EXPECT_EQ(services.clock.sleptTotal, 1000);
    EXPECT_FALSE(timerRan);
    platform::Delay(0);
    platform::Delay(-5);
    EXPECT_EQ(services.clock.sleptTotal, 1000);
    QCoreApplication::processEvents(); // leave no event to later tests
}

TEST(Delay, LongWaitsLetPendingEventsThroughInSlices) {
    test::TestServices services;
    test::ensureApplication();
    int timerRuns = 0;
    QTimer::singleShot(0, [&] { ++timerRuns; });
    platform::Delay(1001);
    EXPECT_EQ(timerRuns, 1);
    EXPECT_GE(services.clock.sleptTotal, 1001);
    EXPECT_LT(services.clock.sleptTotal, 1001 + 50);
}

TEST(Delay, OnTheRealClockSleepsWithoutSpinning) {
    test::TestServices services;
    platform::SystemClockSource clock;
    platform::services().clock = &clock;
    const quint32 start = clock.tickCount();
    const std::clock_t cpuBefore = std::clock();
    platform::Delay(200);
    const double cpuMs = double(std::clock() - cpuBefore) * 1000.0 / CLOCKS_PER_SEC;
    const quint32 elapsed = clock.tickCount() - start;
    EXPECT_GE(elapsed, 200u);
    EXPECT_LT(cpuMs, 20.0);
}
