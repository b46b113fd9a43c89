// Building a stage: the map, the roster, the counters and the order in which
// the window and the speakers hear about it.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "harness.h"
#include "stages/catalogue.h"

namespace sledloop::testing {
namespace {

// The border alone: three floors with a post at either end; the right posts
// hold columns 57 and 58.
bool borderCell(int c, int r) {
    const bool floor = (r == 7 || r == 8 || r == 17 || r == 18 || r == 27 || r == 28) && c <= 59;
    const bool post = (r == 5 || r == 6 || r == 15 || r == 16 || r == 25 || r == 26) &&
                      (c <= 1 || c == 57 || c == 58);
    return floor || post;
}

TEST(SetStage, TraceFollowsTheLoadersOrder) {
    Harness h;
    h.state.StageNumber = 1;
    SetStage(h.game, 1);
    const auto lines = h.lines();
    ASSERT_EQ(lines.size(), 96u + 2 + 10 + 2 + 4 + 2 + 5);
    EXPECT_EQ(lines[0], "paint WALL 0 96");
    EXPECT_EQ(lines[1], "paint WALL 0 128");
    EXPECT_EQ(lines[30], "paint WALL 928 128");
    EXPECT_EQ(lines[31], "paint WALL 928 96");
    EXPECT_EQ(lines[95], "paint WALL 928 416");
    const std::vector<std::string> rest(lines.begin() + 96, lines.end());
    const std::vector<std::string> expected = {
        "paint INGO 64 0",      "paint out 32 416",     "hide santa(0)",
        "hide santa(1)",        "hide santa(2)",        "hide santa(3)",
        "hide santa(4)",        "hide santa(5)",        "hide santa(6)",
        "hide santa(7)",        "hide santa(8)",        "hide santa(9)",
        "interval Timer1 1000", "interval Timer2 500",  "text USE(0) \"0\"",
        "text USE(1) \"1\"",    "text USE(2) \"0\"",    "text USE(3) \"2\"",
        "mci play \"bgm.wav\"", "interval Timer3 2000", "color Frame1 #C0C0FF",
        "color Frame2 #C0C0FF", "color Frame3 #C0C0FF", "color Frame4 #C0C0FF",
        "color Frame4 #FFFF80",
    };
    EXPECT_EQ(rest, expected);
}

TEST(SetStage, StageOneHoldsOnlyTheBorderAndTheExit) {
    Harness h;
    SetStage(h.game, 1);
    for (int c = 0; c < kMapCols; ++c) {
        for (int r = 0; r < kMapRows; ++r) {
            const bool exit = (c == 2 || c == 3) && (r == 25 || r == 26);
            const CellCode want = exit ? CellExit : borderCell(c, r) ? CellWall : CellEmpty;
            ASSERT_EQ(h.state.TileMap[c][r], want) << "cell " << c << "," << r;
        }
    }
}

TEST(SetStage, StageNineOpensTheUpperFloors) {
    Harness h;
    SetStage(h.game, 9);
    for (int c = 0; c <= 59; ++c) {
        for (int r : {7, 8})
            EXPECT_EQ(h.state.TileMap[c][r], c < 20 ? CellWall : CellEmpty);
        for (int r : {17, 18})
            EXPECT_EQ(h.state.TileMap[c][r], c < 40 ? CellWall : CellEmpty);
        for (int r : {27, 28})
            EXPECT_EQ(h.state.TileMap[c][r], CellWall);
    }
    EXPECT_EQ(h.state.TileMap[54][25], pickupOf(DIG));
    EXPECT_EQ(h.state.TileMap[10][26], CellWall);
    EXPECT_EQ(h.state.LastSantaIndex, 8);
}

TEST(SetStage, StageSixExitAndOffGridWall) {
    Harness h;
    SetStage(h.game, 6);
    for (int r : {25, 26}) {
        EXPECT_EQ(h.state.TileMap[55][r], CellExit);
        EXPECT_EQ(h.state.TileMap[56][r], CellExit);
        EXPECT_EQ(h.state.TileMap[57][r], CellWall);
        EXPECT_EQ(h.state.TileMap[58][r], CellWall);
    }
    for (int c : {56, 57}) {
        for (int r : {9, 10})
            EXPECT_EQ(h.state.TileMap[c][r], CellEmpty);  // under the entrance
    }
    // The wall at x = 720 lies off the 32-pixel grid: columns 45 and 46.
    for (int r : {15, 16}) {
        EXPECT_EQ(h.state.TileMap[44][r], CellEmpty);
        EXPECT_EQ(h.state.TileMap[45][r], CellWall);
        EXPECT_EQ(h.state.TileMap[46][r], CellWall);
        EXPECT_EQ(h.state.TileMap[47][r], CellEmpty);
    }
}

TEST(Catalogue, EveryStageIsConsistent) {
    for (int stage = 1; stage <= kStageCount; ++stage) {
        SCOPED_TRACE(stage);
        const Stage* entry = findStage(stage);
        ASSERT_NE(entry, nullptr);
        std::set<std::pair<int, int>> border;
        for (const Placement& p : borderTiles())
            border.insert({p.x, p.y});
        std::set<std::pair<int, int>> seen;
        int entrances = 0;
        for (const Placement& p : entry->tiles) {
            EXPECT_TRUE(seen.insert({p.x, p.y}).second) << "two tiles at " << p.x << "," << p.y;
            if (border.count({p.x, p.y}) != 0) {
                EXPECT_EQ(p.picture, Tile::ZERO);
            }
            if (p.picture == Tile::INGO) {
                ++entrances;
                EXPECT_FALSE(p.setsCells);
                EXPECT_EQ(entry->startCol, p.x / 16);
                EXPECT_EQ(entry->startRow, p.y / 16 + 1);
            }
            if (p.picture == Tile::ZERO) {
                EXPECT_EQ(p.code, CellEmpty);
            }
            if (p.picture == Tile::Picture4) {
                EXPECT_EQ(p.code, pickupOf(DIG));
            }
        }
        EXPECT_EQ(entrances, 1);
    }
    EXPECT_EQ(findStage(0), nullptr);
    EXPECT_EQ(findStage(10), nullptr);
}

TEST(SetStage, DoesNotDependOnWhatCameBefore) {
    Harness fresh, used;
    SetStage(fresh.game, 4);
    used.start(9);
    for (int i = 0; i < 30; ++i) {  // santas enter and walk; a pickup goes
        onTimer1(used.game);
        for (int k = 0; k < 3; ++k)
            onTimer2(used.game);
    }
    ASSERT_NE(used.state.SantaState[1], StateOff);
    used.state.TileMap[100][60] = CellBridge;
    SetStage(used.game, 4);
    EXPECT_EQ(used.state.TileMap, fresh.state.TileMap);
    EXPECT_EQ(used.state.SantaCol, fresh.state.SantaCol);
    EXPECT_EQ(used.state.SantaRow, fresh.state.SantaRow);
    EXPECT_EQ(used.state.SantaState, fresh.state.SantaState);
    EXPECT_EQ(used.state.SkillStock, fresh.state.SkillStock);
    EXPECT_EQ(used.state.ClockTicks, 9);
    EXPECT_EQ(used.state.TimeLimit, 80);
}

TEST(SetStage, ResetsTenSlotsAndLeavesStepsAndHigherSlots) {
    Harness h;
    for (int i = 0; i < kRosterSlots; ++i) {
        h.place(i, 33, 44, StateWalkLeft);
        h.state.SantaStepY[i] = 7;
    }
    SetStage(h.game, 9);
    for (int i = 0; i < kRosterSlots; ++i) {
        SCOPED_TRACE(i);
        if (i <= 9) {
            EXPECT_EQ(h.state.SantaCol[i], 4);
            EXPECT_EQ(h.state.SantaRow[i], 1);
            EXPECT_EQ(h.state.SantaState[i], StateOff);
        } else {
            EXPECT_EQ(h.state.SantaCol[i], 33);
            EXPECT_EQ(h.state.SantaState[i], StateWalkLeft);
        }
        EXPECT_EQ(h.state.SantaStepX[i], -1);  // steps wait for the release
        EXPECT_EQ(h.state.SantaStepY[i], 7);
    }
}

TEST(SetStage, NumbersOutsideTheCatalogueDrawOnlyTheBorder) {
    for (int stage : {0, 10, -3, 1000}) {
        SCOPED_TRACE(stage);
        Harness h;
        h.start(2);
        h.state.TileMap[30][30] = CellBridge;
        const GameState before = h.state;
        SetStage(h.game, stage);
        const auto lines = h.lines();
        ASSERT_EQ(lines.size(), 96u);
        for (const auto& line : lines)
            EXPECT_EQ(line.rfind("paint WALL ", 0), 0u) << line;
        for (int c = 0; c < kMapCols; ++c) {
            for (int r = 0; r < kMapRows; ++r) {
                ASSERT_EQ(h.state.TileMap[c][r], borderCell(c, r) ? CellWall : CellEmpty);
            }
        }
        EXPECT_EQ(h.state.SantaState, before.SantaState);
        EXPECT_EQ(h.state.SkillStock, before.SkillStock);
        EXPECT_EQ(h.state.ClockTicks, before.ClockTicks);
        EXPECT_EQ(h.state.LastSantaIndex, before.LastSantaIndex);
        EXPECT_EQ(h.state.SelectedSkill, before.SelectedSkill);
    }
}

// A stage without DIG stock keeps the palette's previous choice, even a
// skill that the new stage has none of.
TEST(SetStage, SelectionCarriesOverWithoutDigStock) {
    struct Case {
        int stage;
        Skill before;
        Skill after;
    };
    const Case cases[] = {
        {1, BRIDGE, DIG}, {2, ROCK, DIG}, {3, DIG, DIG}, {7, BRIDGE, BRIDGE}, {9, JUMP, JUMP},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stage);
        Harness h;
        h.state.SelectedSkill = c.before;
        SetStage(h.game, c.stage);
        EXPECT_EQ(h.state.SelectedSkill, c.after);
        const bool recoloured = contains(h.lines(), "color Frame4 #FFFF80");
        EXPECT_EQ(recoloured, findStage(c.stage)->stock[DIG] != 0);
    }
}

}  // namespace
}  // namespace sledloop::testing
