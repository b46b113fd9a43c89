// The interval timers on a clock of the caller's.
#include <gtest/gtest.h>

#include "ui/timer_scheduler.h"

namespace sledloop {
namespace {

std::vector<std::pair<std::int64_t, int>> run(TimerScheduler& s, std::int64_t until) {
    std::vector<std::pair<std::int64_t, int>> ticks;
    while (auto t = s.popDue(until))
        ticks.emplace_back(s.now(), static_cast<int>(*t) + 1);
    s.advanceTo(until);
    return ticks;
}

TEST(TimerScheduler, EqualDueTimesFireInTimerOrder) {
    TimerScheduler s;
    s.setInterval(TimerId::Timer3, 500);
    s.setInterval(TimerId::Timer2, 500);
    s.setInterval(TimerId::Timer1, 1000);
    using Ticks = std::vector<std::pair<std::int64_t, int>>;
    EXPECT_EQ(run(s, 1000), (Ticks{{500, 2}, {500, 3}, {1000, 1}, {1000, 2}, {1000, 3}}));
    EXPECT_EQ(s.now(), 1000);
}

TEST(TimerScheduler, SettingAnIntervalRestartsFromNow) {
    TimerScheduler s;
    s.setInterval(TimerId::Timer1, 1000);
    run(s, 700);
    s.setInterval(TimerId::Timer1, 1000);  // the same value still restarts it
    using Ticks = std::vector<std::pair<std::int64_t, int>>;
    EXPECT_EQ(run(s, 2000), (Ticks{{1700, 1}}));
    s.setInterval(TimerId::Timer1, 0);
    EXPECT_EQ(run(s, 100000), Ticks{});
    EXPECT_FALSE(s.nextDue().has_value());
    EXPECT_EQ(s.now(), 100000);
}

TEST(TimerScheduler, NoDriftOverLongRuns) {
    TimerScheduler s;
    s.setInterval(TimerId::Timer2, 300);
    const auto ticks = run(s, 3'000'000);
    ASSERT_EQ(ticks.size(), 10000u);
    EXPECT_EQ(ticks.back().first, 3'000'000);
    EXPECT_EQ(s.nextDue(), 3'000'300);
}

TEST(TimerScheduler, AfterASleepOneTickPerTimerOnItsOwnBeat) {
    TimerScheduler s;
    s.setInterval(TimerId::Timer1, 1000);
    s.setInterval(TimerId::Timer2, 300);
    run(s, 100);
    s.dropMissedTicks(3'600'150);  // an hour away
    using Ticks = std::vector<std::pair<std::int64_t, int>>;
    EXPECT_EQ(run(s, 3'600'150), (Ticks{{3'600'000, 1}, {3'600'000, 2}}));
    EXPECT_EQ(s.nextDue(), 3'600'300);
    // Running on time, nothing is dropped.
    s.dropMissedTicks(3'600'300);
    EXPECT_EQ(run(s, 3'601'000),
              (Ticks{{3'600'300, 2}, {3'600'600, 2}, {3'600'900, 2}, {3'601'000, 1}}));
}

}  // namespace
}  // namespace sledloop
