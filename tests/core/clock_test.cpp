// The clock tick: release schedule, counters and the time-out.
#include <gtest/gtest.h>

#include "harness.h"

namespace sledloop::testing {
namespace {

TEST(Clock, FirstTickShowsTenReleasesSlotOneAndCounts) {
    Harness h;
    h.start(1);
    onTimer1(h.game);
    const std::vector<std::string> expected = {
        "text Label6 \"10\"", "text Label5 \"80\"", "show santa(1)",     "picture santa(1) santaS",
        "text Label3 \"5\"",  "text Label2 \"1\"",  "text Label1 \"4\"",
    };
    EXPECT_EQ(h.lines(), expected);
    EXPECT_EQ(h.state.SantaState[1], StateFalling);
    EXPECT_EQ(h.state.SantaStepX[1], 0);
    EXPECT_EQ(h.state.SantaStepY[1], 1);
    EXPECT_EQ(h.state.SantaCol[1], 4);  // the sprite waits for the movement tick
}

TEST(Clock, ReleasesEveryTenTicksUpToTheLastSlot) {
    for (int stage : {1, 9}) {
        SCOPED_TRACE(stage);
        Harness h;
        h.start(stage);
        std::vector<int> releasedAt(kRosterSlots, 0);
        for (int tick = 1; tick <= 75; ++tick) {
            onTimer1(h.game);
            for (int i = 0; i < kRosterSlots; ++i) {
                if (h.state.SantaState[i] != StateOff && releasedAt[i] == 0) releasedAt[i] = tick;
            }
        }
        EXPECT_EQ(releasedAt[0], 0);  // slot 0 never enters
        for (int i = 1; i <= h.state.LastSantaIndex; ++i)
            EXPECT_EQ(releasedAt[i], 10 * i - 9);
        for (int i = h.state.LastSantaIndex + 1; i < kRosterSlots; ++i)
            EXPECT_EQ(releasedAt[i], 0);
    }
}

TEST(Clock, CountersCountWaitingAndLeftSantasTogether) {
    Harness h;
    h.start(1);
    for (int i = 0; i < 21; ++i)
        onTimer1(h.game);              // slots 1 and 2 and 3 released
    h.state.SantaState[2] = StateOff;  // slot 2 has left
    h.lines();
    onTimer1(h.game);
    const auto lines = h.lines();
    EXPECT_TRUE(contains(lines, "text Label2 \"2\""));
    EXPECT_TRUE(contains(lines, "text Label1 \"3\""));
}

TEST(Clock, TimeOutOnTheTickPastTheLimit) {
    Harness h;
    h.start(2);  // limit 100
    for (int tick = 1; tick <= 91; ++tick)
        onTimer1(h.game);
    EXPECT_EQ(h.state.ClockTicks, 100);
    h.lines();
    EXPECT_TRUE(h.ports.timers().running(TimerId::Timer1));
    onTimer1(h.game);
    const std::vector<std::string> expected = {
        "text Label6 \"101\"",
        "text Label5 \"100\"",
        "mci stop \"bgm.wav\"",
        "effect gameover.wav",
        "clear",
        "show Label4",
        "text Label4 \"Stage  2\"",
        "interval Timer1 0",
        "interval Timer2 0",
        "interval Timer3 0",
        "text Label3 \"5\"",
        "text Label2 \"5\"",
        "text Label1 \"0\"",  // all five were released and none moved
    };
    EXPECT_EQ(h.lines(), expected);
    EXPECT_EQ(h.state.StageNumber, 2);
    EXPECT_FALSE(h.ports.timers().running(TimerId::Timer3));
}

TEST(Clock, SlotDueOnTheLosingTickIsStillReleased) {
    Harness h;
    h.start(1);
    h.state.TimeLimit = 29;
    for (int tick = 1; tick <= 21; ++tick)
        onTimer1(h.game);
    EXPECT_EQ(h.state.ClockTicks, 30);
    EXPECT_EQ(h.state.SantaState[3], StateFalling);
    EXPECT_FALSE(h.ports.timers().running(TimerId::Timer1));
}

}  // namespace
}  // namespace sledloop::testing
