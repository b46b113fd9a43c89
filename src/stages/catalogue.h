// The game's content: the border that every stage shares and the nine stages.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "state/game_state.h"
#include "ui/ports.h"

namespace sledloop {

// One tile of a stage: painted at pixel (x, y), and, unless it is only drawn,
// writing `code` into the 2 x 2 block of cells whose top-left is (col, row).
struct Placement {
    Tile picture;
    std::int16_t x, y;
    bool setsCells;
    CellCode code;
    std::int8_t col, row;

    friend constexpr bool operator==(const Placement&, const Placement&) = default;
};

// The usual case: the block under the tile's own pixels.
constexpr Placement rule(Tile picture, int x, int y, CellCode code) {
    return {
        picture, static_cast<std::int16_t>(x),         static_cast<std::int16_t>(y),        true,
        code,    static_cast<std::int8_t>(tileCol(x)), static_cast<std::int8_t>(tileRow(y))};
}
// A tile whose cells are given apart from its picture.
constexpr Placement cellsAt(Tile picture, int x, int y, CellCode code, int col, int row) {
    return {picture, static_cast<std::int16_t>(x),  static_cast<std::int16_t>(y), true,
            code,    static_cast<std::int8_t>(col), static_cast<std::int8_t>(row)};
}
// A tile that is only painted (the entrance).
constexpr Placement drawOnly(Tile picture, int x, int y) {
    return {
        picture, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), false, CellEmpty, 0,
        0};
}

struct Stage {
    int startCol, startRow;  // the cell every roster slot starts in
    int lastSantaIndex;
    int movementInterval;  // ms between movement ticks
    int timeLimit;
    std::array<int, kSkillCount> stock;  // BRIDGE, ROCK, JUMP, DIG
    std::span<const Placement> tiles;    // in placement order
};

inline constexpr int kStageCount = 9;
inline constexpr int kBorderTileCount = 96;

std::span<const Placement> borderTiles();
// The stage's entry, or nullptr for a number outside 1..9.
const Stage* findStage(int stage);

}  // namespace sledloop
