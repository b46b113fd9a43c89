// The window's load and unload, and the START / RESTART button.
#include <gtest/gtest.h>

#include "harness.h"

namespace sledloop::testing {
namespace {

TEST(Start, LoadShowsTheOpeningBannerOnly) {
    Harness h;
    onLoad(h.game);
    EXPECT_EQ(h.lines(), (std::vector<std::string>{"show Label4", "text Label4 \"STAGE  1\""}));
    EXPECT_EQ(h.state.StageNumber, 1);
    for (TimerId t : {TimerId::Timer1, TimerId::Timer2, TimerId::Timer3}) {
        EXPECT_FALSE(h.ports.timers().running(t));
    }
}

TEST(Start, ButtonHidesTitleClearsWhistlesBuildsAndFacesRight) {
    Harness h;
    onLoad(h.game);
    h.lines();
    onCommand1Click(h.game);
    const auto lines = h.lines();
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"hide Label4", "hide Image1", "clear", "effect whistle.wav",
                                        "paint WALL 0 96"}));
    const std::vector<std::string> tail(lines.end() - 6, lines.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"picture santa(0) santa(0)", "picture santa(1) santa(0)",
                                        "picture santa(2) santa(0)", "picture santa(3) santa(0)",
                                        "picture santa(4) santa(0)", "picture santa(5) santa(0)"}));
}

TEST(Start, PressDuringPlayRestartsWithTheStartStock) {
    Harness fresh;
    fresh.start(2);
    Harness h;
    h.start(2);
    for (int i = 0; i < 15; ++i) {
        onTimer1(h.game);
        for (int k = 0; k < 3; ++k)
            onTimer2(h.game);
    }
    h.place(1, 10, 16, StateWalkRight);
    onSantaPress(h.game, 1);  // spends a DIG
    ASSERT_NE(h.state.SkillStock, fresh.state.SkillStock);
    onCommand1Click(h.game);
    EXPECT_EQ(h.state.SkillStock, fresh.state.SkillStock);
    EXPECT_EQ(h.state.TileMap, fresh.state.TileMap);
    EXPECT_EQ(h.state.SantaState, fresh.state.SantaState);
    EXPECT_EQ(h.state.ClockTicks, 9);
    EXPECT_EQ(h.state.StageNumber, 2);
    EXPECT_TRUE(contains(h.lines(), "hide santa(1)"));
}

TEST(Start, AfterTheNinthStageOnlyTheBorder) {
    Harness h;
    h.start(9);
    for (int i = 0; i < 30; ++i)
        onTimer1(h.game);
    h.state.StageNumber = 10;
    for (TimerId t : {TimerId::Timer1, TimerId::Timer2, TimerId::Timer3}) {
        h.ports.setTimerInterval(t, 0);
    }
    const auto stockBefore = h.state.SkillStock;
    h.lines();
    onCommand1Click(h.game);
    const auto lines = h.lines();
    EXPECT_EQ(lines.size(), 4u + 96 + 9);  // no tiles of a stage, nothing started
    EXPECT_FALSE(contains(lines, "mci play \"bgm.wav\""));
    EXPECT_TRUE(contains(lines, "effect whistle.wav"));
    for (TimerId t : {TimerId::Timer1, TimerId::Timer2, TimerId::Timer3}) {
        EXPECT_FALSE(h.ports.timers().running(t));
    }
    EXPECT_EQ(h.state.SkillStock, stockBefore);
}

TEST(Start, UnloadStopsTheMusicEvenBeforeAnyStage) {
    Harness h;
    onLoad(h.game);
    h.lines();
    onUnload(h.game);
    EXPECT_EQ(h.lines(), (std::vector<std::string>{"mci stop \"bgm.wav\""}));
}

TEST(Start, MusicTimerOnlyResendsThePlayCommand) {
    Harness h;
    const GameState before = h.state;
    onTimer3(h.game);
    EXPECT_EQ(h.lines(), (std::vector<std::string>{"mci play \"bgm.wav\""}));
    EXPECT_EQ(h.state.ClockTicks, before.ClockTicks);
}

}  // namespace
}  // namespace sledloop::testing
