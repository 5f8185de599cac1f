#include "alarms/countdown.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace {

using arkivo::alarms::Countdown;

// Drives the page's two independent one-second timers: the display first,
// then the comparison, as they fire in that order each second.
struct Page {
    arkivo::test::TestServices services;
    int rings = 0;
    bool ringing = false;
    Countdown countdown{[this](bool on) {
        ringing = on;
        if (on)
            ++rings;
    }};
    void seconds(int n) {
        for (int i = 0; i < n; ++i) {
            services.clock.advance(1000);
            countdown.displayTick();
            countdown.comparisonTick();
        }
    }
};

TEST(CountdownTest, RingsAtTheSetDurationAndFreezesThere) {
    Page p;
    p.countdown.startPressed();
    p.seconds(59);
    EXPECT_EQ(p.rings, 0);
    EXPECT_EQ(p.countdown.display(), QStringLiteral("0:00:59"));
    p.seconds(1);
    EXPECT_EQ(p.rings, 1);
    EXPECT_FALSE(p.countdown.counter().counting());
    p.seconds(10);
    EXPECT_EQ(p.countdown.display(), QStringLiteral("0:01:00"));
}

TEST(CountdownTest, StopEndsTheRingingForGoodUntilStart) {
    Page p;
    p.countdown.setDuration(QTime(0, 0, 3));
    p.countdown.startPressed();
    p.seconds(3);
    ASSERT_TRUE(p.ringing);
    p.countdown.stopPressed();
    EXPECT_FALSE(p.ringing);
    p.seconds(5);
    EXPECT_FALSE(p.ringing) << "the display still shows the duration, but the comparison holds";
    EXPECT_EQ(p.rings, 1);
    EXPECT_TRUE(p.countdown.comparing());
    // Start again: the count goes on past the duration, reset brings it round again.
    p.countdown.startPressed();
    p.countdown.resetPressed();
    p.seconds(3);
    EXPECT_EQ(p.rings, 2);
}

TEST(CountdownTest, CounterButtons) {
    struct Case {
        const char* name;
        std::function<void(Page&)> run;
        QString display;
    };
    const Case cases[] = {
        {"start after stop continues from the frozen value",
         [](Page& p) {
             p.countdown.startPressed();
             p.services.clock.advance(1700); // 1.7 s shows as 0:00:01 and freezes there
             p.countdown.stopPressed();
             p.seconds(30);
             p.countdown.startPressed();
             p.seconds(2);
         },
         "0:00:03"},
        {"reset while running restarts at zero and counts on",
         [](Page& p) {
             p.countdown.startPressed();
             p.seconds(20);
             p.countdown.resetPressed();
             p.countdown.displayTick();
             EXPECT_EQ(p.countdown.display(), QStringLiteral("0:00:00"));
             p.seconds(4);
         },
         "0:00:04"},
        {"close leaves the count running without ringing",
         [](Page& p) {
             p.countdown.startPressed();
             p.seconds(30);
             p.countdown.closePressed();
             p.seconds(40);
             EXPECT_EQ(p.rings, 0);
         },
         "0:01:10"},
        {"the pop-up's stop resets the display at the next tick",
         [](Page& p) {
             p.countdown.startPressed();
             p.seconds(60);
             EXPECT_EQ(p.rings, 1);
             p.countdown.silenced();
             p.seconds(1);
         },
         "0:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page p;
        c.run(p);
        EXPECT_EQ(p.countdown.display(), c.display);
    }
}

} // namespace
