// Timers on the scripted event loop: ticks every Interval, restarts on a new Interval,
// and runs inside a yield of another handler.

#include <gtest/gtest.h>

#include "forms/forms.h"
#include "platform/fake/fake_system.h"

using namespace sahifex;
using namespace sahifex::forms;

TEST(Timer, TicksEveryIntervalWhileAboveZero) {
    platform::fake::FakeSystem loop;
    Timer timer("T");
    std::vector<long long> ticks;
    timer.TimerEvent = [&] { ticks.push_back(loop.nowMs); };
    loop.attach(timer);
    loop.advance(1000); // interval 0: stopped
    EXPECT_TRUE(ticks.empty());
    timer.setInterval(300);
    loop.advance(1000);
    EXPECT_EQ(ticks, (std::vector<long long>{1300, 1600, 1900}));
    timer.setInterval(0);
    loop.advance(1000);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST(Timer, SettingTheIntervalRestartsTheCount) {
    platform::fake::FakeSystem loop;
    Timer timer("T");
    int ticks = 0;
    timer.TimerEvent = [&] { ++ticks; };
    loop.attach(timer);
    timer.setInterval(700);
    loop.advance(600);
    timer.setInterval(700); // same value: the count starts again
    loop.advance(600);
    EXPECT_EQ(ticks, 0);
    loop.advance(100);
    EXPECT_EQ(ticks, 1);
}

TEST(Timer, ATickRunsInsideTheYieldOfAnotherHandler) {
    platform::fake::FakeSystem loop;
    Timer timer("T");
    std::string trace;
    timer.TimerEvent = [&] { trace += "tick "; };
    loop.attach(timer);
    timer.setInterval(500);
    // A long loop that yields between its steps, as the animations do; the clock
    // moves on 100 ms a yield.
    loop.onEveryYield = [&] { loop.advance(100); };
    for (int step = 0; step < 12; ++step) {
        trace += "step ";
        loop.yield();
    }
    EXPECT_EQ(trace, "step step step step step tick step step step step step tick step step ");
}

TEST(Timer, ATickNeverRunsInsideItself) {
    platform::fake::FakeSystem loop;
    Timer timer("T");
    int depth = 0, deepest = 0, ticks = 0;
    timer.TimerEvent = [&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        loop.advance(1000); // the handler yields long enough for more ticks to fall due
        --depth;
    };
    loop.attach(timer);
    timer.setInterval(100);
    loop.advance(100);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(ticks, 1);
}

TEST(Timer, ScriptedActionsRunAtTheirYield) {
    platform::fake::FakeSystem loop;
    std::string trace;
    loop.atYield(2, [&] { trace += "second "; });
    loop.yield();
    trace += "between ";
    loop.yield();
    loop.yield();
    EXPECT_EQ(trace, "between second ");
    EXPECT_EQ(loop.yields, 3);
}
