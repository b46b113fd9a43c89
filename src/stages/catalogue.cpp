#include "stages/catalogue.h"

namespace sledloop {

namespace {

using enum Tile;

// Three floors across the whole width, each with a post at either end. The
// right posts' cells sit one column left of their pictures, so a santa walking
// right turns with its sprite's edge touching the post.
constexpr std::array<Placement, kBorderTileCount> makeBorder() {
    std::array<Placement, kBorderTileCount> tiles{};
    std::size_t n = 0;
    constexpr int kPostY[] = {96, 256, 416};
    for (int postY : kPostY) {
        tiles[n++] = rule(WALL, 0, postY, CellWall);
        for (int x = 0; x <= 928; x += 32)
            tiles[n++] = rule(WALL, x, postY + 32, CellWall);
        tiles[n++] = cellsAt(WALL, 928, postY, CellWall, 57, tileRow(postY));
    }
    return tiles;
}

constexpr auto kBorder = makeBorder();
static_assert(kBorder[31] == cellsAt(WALL, 928, 96, CellWall, 57, 5));
static_assert(kBorder[95] == cellsAt(WALL, 928, 416, CellWall, 57, 25));

constexpr CellCode kDigPickup = pickupOf(DIG);
constexpr CellCode kBridgePickup = pickupOf(BRIDGE);

constexpr Placement kStage1[] = {
    drawOnly(INGO, 64, 0),
    rule(out, 32, 416, CellExit),
};
constexpr Placement kStage2[] = {
    drawOnly(INGO, 64, 0),
    rule(out, 32, 416, CellExit),
    rule(hashi, 160, 96, kBridgePickup),
    rule(Picture4, 640, 256, kDigPickup),
};
constexpr Placement kStage3[] = {
    drawOnly(INGO, 64, 0),
    rule(out, 32, 416, CellExit),
    rule(ZERO, 288, 128, CellEmpty),
    rule(Picture4, 800, 96, kDigPickup),
    rule(Picture4, 480, 96, kDigPickup),
};
constexpr Placement kStage4[] = {
    drawOnly(INGO, 416, 0),
    rule(out, 32, 416, CellExit),
    rule(ZERO, 640, 128, CellEmpty),
    rule(WALL, 480, 256, CellWall),
    rule(Picture4, 128, 256, kDigPickup),
    rule(Picture4, 736, 96, kDigPickup),
};
constexpr Placement kStage5[] = {
    drawOnly(INGO, 896, 0),
    rule(out, 32, 416, CellExit),
    rule(ZERO, 640, 128, CellEmpty),
    rule(ZERO, 672, 128, CellEmpty),
    rule(Picture4, 160, 96, kDigPickup),
    rule(Picture4, 128, 256, kDigPickup),
    rule(WALL, 480, 256, CellWall),
};
// The exit's cells lie one column left of its picture, like the right posts';
// the extra wall at x = 720 is off the 32-pixel grid (columns 45 and 46).
constexpr Placement kStage6[] = {
    drawOnly(INGO, 896, 160),
    cellsAt(out, 896, 416, CellExit, 55, 25),
    rule(Picture4, 160, 96, kDigPickup),
    rule(Picture4, 640, 256, kDigPickup),
    rule(WALL, 720, 256, CellWall),
    rule(ZERO, 288, 128, CellEmpty),
};
constexpr Placement kStage7[] = {
    drawOnly(INGO, 64, 0),
    rule(out, 32, 256, CellExit),
    rule(ZERO, 320, 288, CellEmpty),
    rule(ZERO, 320, 128, CellEmpty),
    rule(ZERO, 512, 128, CellEmpty),
    rule(ZERO, 512, 288, CellEmpty),
    rule(WALL, 288, 256, CellWall),
    rule(Picture4, 416, 256, kDigPickup),
    rule(Picture4, 480, 96, kDigPickup),
};
constexpr Placement kStage8[] = {
    drawOnly(INGO, 64, 0),
    rule(out, 32, 416, CellExit),
    rule(ZERO, 640, 288, CellEmpty),
    rule(ZERO, 320, 288, CellEmpty),
    rule(ZERO, 320, 128, CellEmpty),
    rule(Picture4, 736, 256, kDigPickup),
    rule(Picture4, 800, 256, kDigPickup),
    rule(Picture4, 864, 256, kDigPickup),
};

// The upper floor is open from x = 320 and the middle floor from x = 640 to
// the right edge.
constexpr std::array<Placement, 34> makeStage9() {
    std::array<Placement, 34> tiles{};
    std::size_t n = 0;
    tiles[n++] = drawOnly(INGO, 64, 0);
    tiles[n++] = rule(out, 32, 416, CellExit);
    for (int x = 320; x <= 928; x += 32)
        tiles[n++] = rule(ZERO, x, 128, CellEmpty);
    for (int x = 640; x <= 928; x += 32)
        tiles[n++] = rule(ZERO, x, 288, CellEmpty);
    tiles[n++] = rule(WALL, 160, 416, CellWall);
    tiles[n++] = rule(Picture4, 864, 416, kDigPickup);
    return tiles;
}
constexpr auto kStage9 = makeStage9();
static_assert(kStage9[33] == rule(Picture4, 864, 416, kDigPickup));

// clang-format off
//  start    last  move  limit  BRIDGE ROCK JUMP DIG
constexpr Stage kStages[kStageCount] = {
    {4, 1,   5, 500,  80, {0, 1, 0, 2}, kStage1},
    {4, 1,   5, 300, 100, {1, 1, 0, 1}, kStage2},
    {4, 1,   5, 500,  90, {1, 1, 0, 0}, kStage3},
    {26, 1,  5, 500,  80, {1, 2, 0, 1}, kStage4},
    {56, 1,  5, 500,  95, {2, 1, 0, 0}, kStage5},
    {56, 11, 5, 300, 100, {1, 2, 2, 0}, kStage6},
    {4, 1,   5, 500,  90, {0, 1, 3, 0}, kStage7},
    {4, 1,   5, 500, 105, {1, 3, 2, 0}, kStage8},
    {4, 1,   8, 400, 110, {0, 1, 1, 0}, kStage9},
};
// clang-format on

}  // namespace

std::span<const Placement> borderTiles() {
    return kBorder;
}

const Stage* findStage(int stage) {
    if (stage < 1 || stage > kStageCount) return nullptr;
    return &kStages[stage - 1];
}

}  // namespace sledloop
