// Giving skills: each skill's tests, the cells it writes, what it paints and
// what it leaves the santa doing; refusals cost nothing and show nothing.
#include <gtest/gtest.h>

#include <tuple>

#include "harness.h"

namespace sledloop::testing {
namespace {

using Cells = std::vector<std::tuple<int, int, CellCode>>;

struct Case {
    const char* name;
    Skill skill;
    int col, row;
    SantaStateCode mode;
    int stepX;     // as the santa has it (a santa sent up by JUMP falls with +1)
    Cells before;  // changes to stage 1's map first
    bool used;
    std::vector<std::string> drawn;  // paint and picture lines, in order
    Cells after;                     // cells the skill must leave so
    SantaStateCode modeAfter;
    int rowAfter;
};

// clang-format off
const Case kCases[] = {
    // DIG: the two cells under the feet must both be wall; rows up to 18.
    {"dig on the floor", DIG, 10, 6, StateWalkRight, 1, {}, true,
     {"picture santa(1) santaS"},
     {{10, 7, CellEmpty}, {11, 7, CellEmpty}, {10, 8, CellEmpty}, {11, 8, CellEmpty},
      {12, 7, CellWall}}, StateFalling, 6},
    {"dig at row 18", DIG, 10, 18, StateWalkLeft, -1, {{10, 19, CellWall}, {11, 19, CellWall}},
     true, {"picture santa(1) santaS"}, {{10, 19, CellEmpty}, {11, 20, CellEmpty}},
     StateFalling, 18},
    {"dig at row 19", DIG, 10, 19, StateWalkRight, 1, {{10, 20, CellWall}, {11, 20, CellWall}},
     false, {}, {{10, 20, CellWall}}, StateWalkRight, 19},
    {"dig on a bridge", DIG, 10, 6, StateWalkRight, 1, {{10, 7, CellBridge}}, false, {},
     {{10, 7, CellBridge}, {11, 7, CellWall}}, StateWalkRight, 6},
    {"dig with one foot on wall", DIG, 10, 6, StateWalkRight, 1, {{11, 7, CellEmpty}}, false, {},
     {{10, 7, CellWall}}, StateWalkRight, 6},
    {"dig over an exit cell", DIG, 10, 6, StateWalkRight, 1, {{11, 7, CellExit}}, false, {},
     {{11, 7, CellExit}}, StateWalkRight, 6},

    // BRIDGE: a plank over the two columns in front of the feet.
    {"bridge walking right", BRIDGE, 10, 6, StateWalkRight, 1,
     {{12, 7, CellEmpty}, {13, 7, CellEmpty}}, true, {"paint hashi 192 128"},
     {{12, 7, CellBridge}, {12, 8, CellBridge}, {13, 7, CellBridge}, {13, 8, CellBridge},
      {11, 7, CellWall}}, StateWalkRight, 6},
    {"bridge walking left", BRIDGE, 10, 6, StateWalkLeft, -1,
     {{9, 7, CellEmpty}, {8, 7, CellEmpty}}, true, {"paint hashi 128 128"},
     {{9, 7, CellBridge}, {8, 8, CellBridge}, {10, 7, CellWall}}, StateWalkLeft, 6},
    {"bridge with the far cell solid", BRIDGE, 10, 6, StateWalkRight, 1, {{12, 7, CellEmpty}},
     false, {}, {{12, 7, CellEmpty}, {13, 7, CellWall}}, StateWalkRight, 6},
    {"bridge for a falling santa", BRIDGE, 10, 12, StateFalling, 0, {}, false, {},
     {{12, 13, CellEmpty}}, StateFalling, 12},
    {"bridge for a santa falling after JUMP", BRIDGE, 10, 12, StateFalling, 1, {}, true,
     {"paint hashi 192 224"}, {{12, 13, CellBridge}, {13, 14, CellBridge}}, StateFalling, 12},

    // ROCK: tests two cells, writes six, paints the block in front.
    {"rock walking right", ROCK, 10, 6, StateWalkRight, 1, {}, true,
     {"paint WALL 192 96", "picture santa(1) santa(20)"},
     {{11, 5, CellWall}, {11, 6, CellWall}, {12, 5, CellWall}, {13, 6, CellWall},
      {14, 6, CellEmpty}, {10, 6, CellEmpty}}, StateWalkLeft, 6},
    {"rock walking right over a pickup", ROCK, 10, 6, StateWalkRight, 1,
     {{11, 6, pickupOf(DIG)}, {13, 5, CellExit}}, true,
     {"paint WALL 192 96", "picture santa(1) santa(20)"},
     {{11, 6, CellWall}, {13, 5, CellWall}}, StateWalkLeft, 6},
    {"rock walking right blocked", ROCK, 10, 6, StateWalkRight, 1, {{13, 6, pickupOf(JUMP)}},
     false, {}, {{11, 6, CellEmpty}, {12, 6, CellEmpty}}, StateWalkRight, 6},
    {"rock walking left", ROCK, 10, 6, StateWalkLeft, -1, {}, true,
     {"paint WALL 128 96", "picture santa(1) santa(0)"},
     {{9, 5, CellWall}, {8, 6, CellWall}, {7, 5, CellWall}, {7, 6, CellWall},
      {6, 6, CellEmpty}}, StateWalkRight, 6},
    {"rock walking left tests the upper row only", ROCK, 10, 6, StateWalkLeft, -1,
     {{9, 6, CellBridge}, {8, 6, CellBridge}}, true,
     {"paint WALL 128 96", "picture santa(1) santa(0)"}, {{9, 6, CellWall}}, StateWalkRight, 6},
    {"rock walking left blocked above", ROCK, 10, 6, StateWalkLeft, -1, {{8, 5, CellWall}}, false,
     {}, {{9, 5, CellEmpty}, {9, 6, CellEmpty}}, StateWalkLeft, 6},
    {"rock for a falling santa takes the left case", ROCK, 10, 12, StateFalling, 0, {}, true,
     {"paint WALL 128 192", "picture santa(1) santa(0)"}, {{7, 11, CellWall}, {9, 12, CellWall}},
     StateWalkRight, 12},

    // JUMP: 11 rows up, if the two cells it looks at are free.
    {"jump from row 12", JUMP, 10, 12, StateWalkRight, 1, {}, true, {}, {}, StateFalling, 1},
    {"jump from row 11", JUMP, 10, 11, StateWalkRight, 1, {}, false, {}, {}, StateWalkRight, 11},
    {"jump looks at two cells only", JUMP, 10, 16, StateWalkLeft, -1,
     {{11, 6, CellWall}, {10, 5, CellWall}}, true, {}, {}, StateFalling, 5},
    {"jump under a wall", JUMP, 10, 16, StateWalkLeft, -1, {{10, 6, CellWall}}, false, {}, {},
     StateWalkLeft, 16},
    {"jump into a wall", JUMP, 10, 16, StateWalkLeft, -1, {{11, 5, CellBridge}}, false, {}, {},
     StateWalkLeft, 16},
};
// clang-format on

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class SkillCase : public ::testing::TestWithParam<Case> {};

TEST_P(SkillCase, TestsWritesAndCharges) {
    const Case& c = GetParam();
    Harness h;
    h.start(1);
    h.state.SkillStock = {1, 1, 1, 1};
    h.state.SelectedSkill = c.skill;
    for (auto [col, row, code] : c.before)
        h.state.TileMap[col][row] = code;
    h.place(1, c.col, c.row, c.mode);
    h.state.SantaStepX[1] = c.stepX;
    const GameState before = h.state;

    onSantaPress(h.game, 1);
    const auto lines = h.lines();

    for (auto [col, row, code] : c.after) {
        EXPECT_EQ(h.state.TileMap[col][row], code) << "cell " << col << "," << row;
    }
    EXPECT_EQ(h.state.SantaState[1], c.modeAfter);
    EXPECT_EQ(h.state.SantaRow[1], c.rowAfter);
    if (!c.used) {
        EXPECT_TRUE(lines.empty());
        EXPECT_EQ(h.state.TileMap, before.TileMap);
        EXPECT_EQ(h.state.SkillStock, before.SkillStock);
        EXPECT_EQ(h.state.SantaStepX, before.SantaStepX);
        return;
    }
    std::vector<std::string> expected = c.drawn;
    auto stock = before.SkillStock;
    --stock[c.skill];
    for (int k = 0; k < kSkillCount; ++k) {
        expected.push_back("text USE(" + std::to_string(k) + ") \"" + std::to_string(stock[k]) +
                           "\"");
    }
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(h.state.SkillStock, stock);
    const int wantStepX = c.modeAfter == StateWalkLeft    ? -1
                          : c.modeAfter == StateWalkRight ? 1
                          : c.skill == JUMP               ? 1
                          : c.skill == DIG                ? 0
                                                          : c.stepX;
    EXPECT_EQ(h.state.SantaStepX[1], wantStepX);
    if (c.modeAfter == StateFalling) {
        EXPECT_EQ(h.state.SantaStepY[1], 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Skills, SkillCase, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    }
    return name;
});

TEST(Skills, NoStockNoUse) {
    for (Skill skill : {BRIDGE, ROCK, JUMP, DIG}) {
        SCOPED_TRACE(int{skill});
        Harness h;
        h.start(1);
        h.state.SkillStock = {1, 1, 1, 1};
        h.state.SkillStock[skill] = 0;
        h.state.SelectedSkill = skill;
        h.place(1, 10, 16, StateWalkRight);
        for (int c : {12, 13})
            h.state.TileMap[c][17] = CellEmpty;  // room for a bridge
        const GameState before = h.state;
        onSantaPress(h.game, 1);
        EXPECT_TRUE(h.lines().empty());
        EXPECT_EQ(h.state.TileMap, before.TileMap);
        EXPECT_EQ(h.state.SantaState, before.SantaState);
    }
}

TEST(Skills, LastUseShowsZeroAndLeavesTheSkillChosen) {
    Harness h;
    h.start(1);  // DIG 2, ROCK 1
    h.place(1, 10, 6, StateWalkRight);
    h.place(2, 30, 6, StateWalkRight);
    onSantaPress(h.game, 1);
    onSantaPress(h.game, 2);
    EXPECT_EQ(h.state.SkillStock[DIG], 0);
    h.lines();
    h.place(3, 40, 6, StateWalkRight);
    onSantaPress(h.game, 3);  // nothing left: nothing happens
    EXPECT_TRUE(h.lines().empty());
    EXPECT_EQ(h.state.SelectedSkill, DIG);
    EXPECT_EQ(h.state.TileMap[40][7], CellWall);
}

TEST(Skills, AfterATimeOutSkillsStillWorkButNothingMoves) {
    Harness h;
    h.start(1);
    for (int i = 0; i < 72; ++i)
        onTimer1(h.game);
    ASSERT_FALSE(h.ports.timers().running(TimerId::Timer2));
    h.place(1, 10, 6, StateWalkRight);
    onSantaPress(h.game, 1);
    EXPECT_EQ(h.state.SantaState[1], StateFalling);
    EXPECT_EQ(h.state.TileMap[10][7], CellEmpty);
}

TEST(Palette, ChoosesOnlySkillsWithStock) {
    Harness h;
    h.start(1);  // BRIDGE 0, ROCK 1, JUMP 0, DIG 2
    for (Frame frame : {Frame::Frame1, Frame::Frame3}) {
        onFrameClick(h.game, frame);
        EXPECT_TRUE(h.lines().empty());
        EXPECT_EQ(h.state.SelectedSkill, DIG);
    }
    onFrameClick(h.game, Frame::Frame2);
    const std::vector<std::string> expected = {
        "color Frame1 #C0C0FF", "color Frame2 #C0C0FF", "color Frame3 #C0C0FF",
        "color Frame4 #C0C0FF", "color Frame2 #FFFF80",
    };
    EXPECT_EQ(h.lines(), expected);
    EXPECT_EQ(h.state.SelectedSkill, ROCK);
    onFrameClick(h.game, Frame::Frame2);  // no toggling off
    EXPECT_EQ(h.lines(), expected);
    EXPECT_EQ(h.state.SelectedSkill, ROCK);
}

TEST(Palette, NothingCanBeChosenBeforeTheFirstStage) {
    Harness h;
    onLoad(h.game);
    h.lines();
    for (Frame frame : {Frame::Frame1, Frame::Frame2, Frame::Frame3, Frame::Frame4}) {
        onFrameClick(h.game, frame);
    }
    EXPECT_TRUE(h.lines().empty());
    EXPECT_EQ(h.state.SelectedSkill, BRIDGE);
}

TEST(Hover, PaintsTheChosenSkillsPictureAtTheSprite) {
    struct Case {
        Skill skill;
        const char* line;
    };
    const Case cases[] = {{DIG, "paint Picture4 160 96"},
                          {BRIDGE, "paint hashi 160 96"},
                          {ROCK, "paint WALL 160 96"},
                          {JUMP, "paint Picture3 160 96"}};
    for (const Case& c : cases) {
        Harness h;
        h.start(1);
        h.state.SkillStock = {0, 0, 0, 0};  // no stock is needed to see it
        h.state.SelectedSkill = c.skill;
        h.place(1, 10, 6, StateWalkLeft);
        const GameState before = h.state;
        onSantaHover(h.game, 1);
        onSantaHover(h.game, 1);
        EXPECT_EQ(h.lines(), (std::vector<std::string>{c.line, c.line}));
        EXPECT_EQ(h.state.TileMap, before.TileMap);
        EXPECT_EQ(h.state.SantaState, before.SantaState);
    }
}

}  // namespace
}  // namespace sledloop::testing
