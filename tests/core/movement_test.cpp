// The movement tick: falling, landing, walking, turning, pickups, the exit
// and the stage clear.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"

namespace sledloop::testing {
namespace {

// Stage 1 running, every santa off the field, an empty trace.
class Movement : public ::testing::Test {
  protected:
    void SetUp() override { h.start(1); }
    std::vector<std::string> tick() {
        onTimer2(h.game);
        return h.lines();
    }
    Harness h;
};

TEST_F(Movement, ReleasedSantaFallsThenLandsWalkingRight) {
    onTimer1(h.game);  // releases slot 1 at its start cell (4, 1)
    h.lines();
    EXPECT_EQ(tick(), (std::vector<std::string>{"move santa(1) 64 32"}));
    EXPECT_EQ(h.state.SantaRow[1], 2);
    for (int row = 3; row <= 6; ++row)
        tick();
    EXPECT_EQ(h.state.SantaRow[1], 6);
    EXPECT_EQ(h.state.SantaState[1], StateFalling);
    // The floor under row 6: it lands without moving and faces right.
    EXPECT_EQ(tick(), (std::vector<std::string>{"picture santa(1) santa(0)"}));
    EXPECT_EQ(h.state.SantaState[1], StateWalkRight);
    EXPECT_EQ(h.state.SantaStepX[1], 1);
    EXPECT_EQ(h.state.SantaStepY[1], 0);
    EXPECT_EQ(tick(), (std::vector<std::string>{"move santa(1) 80 96"}));
    EXPECT_EQ(h.state.SantaCol[1], 5);
}

TEST_F(Movement, TurnsAtThePostsWithoutMoving) {
    struct Case {
        int col;
        SantaStateCode from, to;
        const char* picture;
    };
    const Case cases[] = {
        {56, StateWalkRight, StateWalkLeft, "picture santa(1) santa(20)"},  // right post at 57
        {2, StateWalkLeft, StateWalkRight, "picture santa(1) santa(0)"},    // left post at 1
    };
    for (const Case& c : cases) {
        h.place(1, c.col, 6, c.from);
        EXPECT_EQ(tick(), (std::vector<std::string>{c.picture}));
        EXPECT_EQ(h.state.SantaState[1], c.to);
        EXPECT_EQ(h.state.SantaCol[1], c.col);
        EXPECT_EQ(h.state.SantaStepX[1], c.to == StateWalkRight ? 1 : -1);
    }
}

TEST_F(Movement, WalkingOffAnEdgeMovesThenFallsNextTick) {
    // A hole two cells wide in the top floor at columns 20 and 21.
    for (int c : {20, 21})
        h.state.TileMap[c][7] = CellEmpty;
    h.place(1, 18, 6, StateWalkRight);
    tick();  // to 19: one foot still on the floor at column 19
    EXPECT_EQ(h.state.SantaState[1], StateWalkRight);
    EXPECT_EQ(tick(),
              (std::vector<std::string>{"move santa(1) 320 96", "picture santa(1) santaS"}));
    EXPECT_EQ(h.state.SantaState[1], StateFalling);
    EXPECT_EQ(h.state.SantaStepX[1], 0);
    EXPECT_EQ(h.state.SantaRow[1], 6);
    EXPECT_EQ(tick(), (std::vector<std::string>{"move santa(1) 320 112"}));
}

TEST_F(Movement, AnythingUnderEitherFootIsGround) {
    for (CellCode under : {CellWall, CellBridge, CellExit, pickupOf(ROCK)}) {
        SCOPED_TRACE(int{under});
        for (int c = 19; c <= 21; ++c)
            h.state.TileMap[c][7] = CellEmpty;
        h.state.TileMap[21][7] = under;  // only the right foot's cell, at the new column + 1
        h.place(1, 19, 6, StateWalkRight);
        tick();
        EXPECT_EQ(h.state.SantaCol[1], 20);
        EXPECT_EQ(h.state.SantaState[1], StateWalkRight);
    }
}

TEST_F(Movement, WalkingIntoAPickupCollectsItAndStepsIn) {
    h.state.TileMap[10][5] = h.state.TileMap[11][5] = pickupOf(BRIDGE);
    h.state.TileMap[10][6] = h.state.TileMap[11][6] = pickupOf(BRIDGE);
    h.place(1, 9, 6, StateWalkRight);
    EXPECT_EQ(tick(), (std::vector<std::string>{"effect get.wav", "text USE(0) \"1\"",
                                                "move santa(1) 160 96"}));
    EXPECT_EQ(h.state.SkillStock[BRIDGE], 1);
    for (int c : {10, 11}) {
        for (int r : {5, 6})
            EXPECT_EQ(h.state.TileMap[c][r], CellEmpty);
    }
    // Walking left, the block emptied reaches one column further left.
    h.state.TileMap[30][5] = h.state.TileMap[30][6] = pickupOf(DIG);
    h.state.TileMap[29][5] = h.state.TileMap[29][6] = CellWall;
    h.place(2, 31, 6, StateWalkLeft);
    h.state.LastSantaIndex = 5;
    tick();
    EXPECT_EQ(h.state.SkillStock[DIG], 3);
    for (int c : {29, 30}) {
        for (int r : {5, 6})
            EXPECT_EQ(h.state.TileMap[c][r], CellEmpty);
    }
    EXPECT_EQ(h.state.SantaCol[2], 30);
}

// A falling santa that lands on a pickup empties a 3 x 2 area under it,
// wall cells included; the field's pictures do not show it. That is meant.
TEST_F(Movement, FallingOntoAPickupEmptiesSixCells) {
    h.state.TileMap[20][7] = pickupOf(JUMP);
    h.place(1, 20, 6, StateFalling);
    EXPECT_EQ(tick(), (std::vector<std::string>{"effect get.wav", "text USE(2) \"1\"",
                                                "move santa(1) 320 112"}));
    for (int c = 19; c <= 21; ++c) {
        for (int r : {7, 8})
            EXPECT_EQ(h.state.TileMap[c][r], CellEmpty) << c << "," << r;
    }
    EXPECT_EQ(h.state.TileMap[18][7], CellWall);
    EXPECT_EQ(h.state.TileMap[22][8], CellWall);
    EXPECT_EQ(h.state.SantaRow[1], 7);
}

TEST_F(Movement, LeavingThroughTheExitWhileOthersWalk) {
    h.place(1, 4, 26, StateWalkLeft);  // exit cells at columns 2 and 3
    h.place(2, 30, 26, StateWalkRight);
    const auto lines = tick();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "effect saru.wav");
    EXPECT_EQ(lines[1], "hide santa(1)");
    EXPECT_EQ(h.state.SantaState[1], StateOff);
    EXPECT_EQ(h.state.SantaStepX[1], 0);
    EXPECT_EQ(h.state.StageNumber, 1);  // santa 2 is still out there
    EXPECT_EQ(h.state.SantaCol[2], 31);
}

// The last santa on the field leaves: the stage is cleared even though
// santas of the stage have not entered yet. That is meant.
TEST_F(Movement, LastSantaOutClearsTheStage) {
    h.place(1, 2, 24, StateFalling);  // falls onto the exit at (2, 25)
    const std::vector<std::string> expected = {
        "effect saru.wav",
        "hide santa(1)",
        "mci stop \"bgm.wav\"",
        "effect clear.wav",
        "clear",
        "show Label4",
        "text Label4 \"Stage  2\"",
        "interval Timer1 0",
        "interval Timer2 0",
        "interval Timer3 0",
    };
    EXPECT_EQ(tick(), expected);
    EXPECT_EQ(h.state.StageNumber, 2);
    EXPECT_FALSE(h.ports.timers().running(TimerId::Timer2));
}

TEST_F(Movement, AfterTheNinthStageTheBannerShowsTen) {
    h.start(9);
    h.place(3, 4, 26, StateWalkLeft);
    const auto lines = tick();
    EXPECT_TRUE(contains(lines, "text Label4 \"Stage  10\""));
    EXPECT_EQ(h.state.StageNumber, 10);
}

TEST_F(Movement, SlotsMoveInOrderAndSeeEachOthersChanges) {
    // Slot 1 collects a pickup that slot 2 would have walked into.
    h.state.TileMap[10][5] = h.state.TileMap[11][5] = pickupOf(DIG);
    h.state.TileMap[10][6] = h.state.TileMap[11][6] = pickupOf(DIG);
    h.place(1, 9, 6, StateWalkRight);
    h.place(2, 12, 6, StateWalkLeft);
    const auto lines = tick();
    EXPECT_EQ(h.state.SkillStock[DIG], 3);  // once, not twice
    EXPECT_EQ(lines.back(), "move santa(2) 176 96");
}

// Given ROCK while it falls beside the right post, a santa of stage 6 walks
// along the top of the post, off the right edge of the field, drops to the
// map's last row and walks there unseen. The map ends at column 120 and row
// 64: beyond, everything reads as wall and nothing is written.
TEST_F(Movement, SantaPastTheRightEdgeStaysInsideTheMap) {
    h.start(6);
    onTimer1(h.game);  // slot 1 falls from (56, 11)
    onTimer2(h.game);
    onTimer2(h.game);
    onTimer2(h.game);
    ASSERT_EQ(h.state.SantaRow[1], 14);
    onFrameClick(h.game, Frame::Frame2);
    onSantaPress(h.game, 1);
    ASSERT_EQ(h.state.SantaState[1], StateWalkRight);

    int lowest = 0, rightmost = 0;
    for (int i = 0; i < 400; ++i) {
        onTimer2(h.game);
        lowest = std::max(lowest, h.state.SantaRow[1]);
        rightmost = std::max(rightmost, h.state.SantaCol[1]);
        ASSERT_TRUE(inMap(h.state.SantaCol[1], h.state.SantaRow[1]));
    }
    EXPECT_EQ(lowest, 64);
    EXPECT_EQ(rightmost, 120);
    EXPECT_EQ(h.state.SantaRow[1], 64);
    EXPECT_NE(h.state.SantaState[1], StateFalling);  // walking along the last row
}

}  // namespace
}  // namespace sledloop::testing
