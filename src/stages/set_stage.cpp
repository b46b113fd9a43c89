#include "stages/set_stage.h"

#include "stages/catalogue.h"
#include "state/texts.h"

namespace sledloop {

namespace {

inline constexpr int kClockInterval = 1000;
inline constexpr int kMusicInterval = 2000;
inline constexpr int kClockStart = 9;   // the first clock tick shows 10 and releases slot 1
inline constexpr int kResetSlots = 10;  // slots 0..9, whatever the stage's santa count

void place(Game& game, const Placement& p) {
    game.window.paint(p.picture, p.x, p.y);
    if (!p.setsCells) return;
    for (int dc = 0; dc < 2; ++dc) {
        for (int dr = 0; dr < 2; ++dr)
            setCell(game.state, p.col + dc, p.row + dr, p.code);
    }
}

}  // namespace

void SetStage(Game& game, int stage) {
    GameState& s = game.state;
    for (auto& column : s.TileMap)
        column.fill(CellEmpty);
    for (const Placement& p : borderTiles())
        place(game, p);

    const Stage* entry = findStage(stage);
    if (entry == nullptr) return;  // no tenth stage: the bare border

    for (const Placement& p : entry->tiles)
        place(game, p);

    for (int i = 0; i < kResetSlots; ++i) {
        game.window.hideSprite(i);
        s.SantaCol[i] = entry->startCol;
        s.SantaRow[i] = entry->startRow;
        s.SantaState[i] = StateOff;
    }
    s.LastSantaIndex = entry->lastSantaIndex;

    game.window.setTimerInterval(TimerId::Timer1, kClockInterval);
    game.window.setTimerInterval(TimerId::Timer2, entry->movementInterval);
    s.ClockTicks = kClockStart;
    s.TimeLimit = entry->timeLimit;
    s.SkillStock = entry->stock;
    for (int k = 0; k < kSkillCount; ++k) {
        game.window.setLabelText(useLabel(k), NumberText(s.SkillStock[k]));
    }

    game.sound.sendMusicCommand(kMusicPlay);
    game.window.setTimerInterval(TimerId::Timer3, kMusicInterval);

    // Exactly what a click on the DIG frame does; without DIG stock the
    // previous stage's choice stays.
    selectSkill(game, DIG);
}

}  // namespace sledloop
