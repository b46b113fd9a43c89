// The window-wide variables that every handler shares, their codes, and the
// relation between map cells and pixels.
#pragma once

#include <array>
#include <cstdint>

namespace sledloop {

inline constexpr int kMapCols = 121;     // columns 0..120
inline constexpr int kMapRows = 65;      // rows 0..64
inline constexpr int kRosterSlots = 21;  // sprite and roster slots 0..20
inline constexpr int kSkillCount = 4;
inline constexpr int kCellSize = 16;  // pixels a cell is wide and high

enum CellCode : std::uint8_t {
    CellEmpty = 0,
    CellWall = 1,
    CellBridge = 2,
    CellExit = 3,
    CellPickup = 5,  // 5..8: a pickup of skill (code - CellPickup)
};

enum SantaStateCode : std::uint8_t {
    StateOff = 0,
    StateFalling = 1,
    StateWalkRight = 2,
    StateWalkLeft = 3,
};

// Also the index into SkillStock, the USE labels and the palette frames.
enum Skill : std::uint8_t {
    BRIDGE = 0,
    ROCK = 1,
    JUMP = 2,
    DIG = 3,
};

constexpr bool isPickup(CellCode code) {
    return code > 4;
}
constexpr CellCode pickupOf(Skill skill) {
    return static_cast<CellCode>(int{CellPickup} + int{skill});
}
constexpr Skill skillOfPickup(CellCode code) {
    return static_cast<Skill>(code - CellPickup);
}

struct GameState {
    // Indexed [column][row].
    std::array<std::array<CellCode, kMapRows>, kMapCols> TileMap{};

    std::array<int, kRosterSlots> SantaCol{};
    std::array<int, kRosterSlots> SantaRow{};
    std::array<int, kRosterSlots> SantaStepX{};
    std::array<int, kRosterSlots> SantaStepY{};
    std::array<SantaStateCode, kRosterSlots> SantaState{};

    std::array<int, kSkillCount> SkillStock{};
    Skill SelectedSkill = BRIDGE;

    int StageNumber = 0;
    int ClockTicks = 0;
    int TimeLimit = 0;
    int LastSantaIndex = 0;
};

constexpr bool inMap(int col, int row) {
    return col >= 0 && col < kMapCols && row >= 0 && row < kMapRows;
}
constexpr bool inRoster(int slot) {
    return slot >= 0 && slot < kRosterSlots;
}

// Outside the map every cell reads as wall and writes are dropped: the rules
// can carry a santa past the field's edge, and that must never touch memory
// outside the map.
inline CellCode cellAt(const GameState& s, int col, int row) {
    return inMap(col, row) ? s.TileMap[col][row] : CellWall;
}
inline void setCell(GameState& s, int col, int row, CellCode code) {
    if (inMap(col, row)) s.TileMap[col][row] = code;
}

// The last roster slot that a loop over the stage's santas visits.
inline int lastSlot(const GameState& s) {
    return s.LastSantaIndex < kRosterSlots ? s.LastSantaIndex : kRosterSlots - 1;
}

// The cell grid lies one cell lower than the pixel grid: cell (c, r) covers
// the square at (16c, 16r + 16), while a santa at (c, r) has its sprite at
// (16c, 16r), so its body covers rows r - 1 and r.
constexpr int cellX(int col) {
    return kCellSize * col;
}
constexpr int cellY(int row) {
    return kCellSize * row + kCellSize;
}
constexpr int spriteLeft(int col) {
    return kCellSize * col;
}
constexpr int spriteTop(int row) {
    return kCellSize * row;
}
// Top-left cell of the 2 x 2 block of a tile painted at pixel (x, y).
constexpr int tileCol(int x) {
    return x / kCellSize;
}
constexpr int tileRow(int y) {
    return y / kCellSize - 1;
}

}  // namespace sledloop
