// A press on a santa gives it the chosen skill, when stock is left and the
// santa stands where the skill works. A refusal costs nothing and says nothing.
#include "controls/handlers.h"
#include "state/texts.h"

namespace sledloop {

namespace {

// The santa's slot and its cell as the press found them. Every test and write
// below goes through the map accessors: a santa carried past the field's edge
// reads wall there and writes nothing.
struct Where {
    int slot, c, r;
};

bool isFree(const GameState& s, int col, int row) {
    return cellAt(s, col, row) == CellEmpty;
}

bool dig(Game& game, Where w) {
    GameState& s = game.state;
    if (!(w.r + 1 < 20)) return false;
    if (cellAt(s, w.c, w.r + 1) != CellWall || cellAt(s, w.c + 1, w.r + 1) != CellWall)
        return false;
    setCell(s, w.c, w.r + 1, CellEmpty);
    setCell(s, w.c, w.r + 2, CellEmpty);
    setCell(s, w.c + 1, w.r + 1, CellEmpty);
    setCell(s, w.c + 1, w.r + 2, CellEmpty);
    // The wall stays painted over the hole until the field is next cleared.
    game.window.setSpritePicture(w.slot, SpriteSource::santaS);
    s.SantaState[w.slot] = StateFalling;
    s.SantaStepX[w.slot] = 0;
    s.SantaStepY[w.slot] = 1;
    return true;
}

// Lays a plank over the two columns in front of the feet, at floor height.
void layBridge(Game& game, Where w, int first, int second, int pictureCol) {
    GameState& s = game.state;
    setCell(s, first, w.r + 1, CellBridge);
    setCell(s, first, w.r + 2, CellBridge);
    setCell(s, second, w.r + 1, CellBridge);
    setCell(s, second, w.r + 2, CellBridge);
    game.window.paint(Tile::hashi, cellX(pictureCol), spriteTop(w.r + 2));
}

bool bridge(Game& game, Where w) {
    GameState& s = game.state;
    bool used = false;
    // Two separate tests; the first leaves the step alone, so at most one applies.
    if (s.SantaStepX[w.slot] > 0 && isFree(s, w.c + 2, w.r + 1) && isFree(s, w.c + 3, w.r + 1)) {
        layBridge(game, w, w.c + 2, w.c + 3, w.c + 2);
        used = true;
    }
    if (s.SantaStepX[w.slot] < 0 && isFree(s, w.c - 1, w.r + 1) && isFree(s, w.c - 2, w.r + 1)) {
        layBridge(game, w, w.c - 1, w.c - 2, w.c - 2);
        used = true;
    }
    return used;  // a falling santa (step 0) gets nothing
}

// Six wall cells: the block at body height in front of the santa and the
// column behind that block, which is the santa's own right-hand column when
// it walks right.
void setRock(GameState& s, int r, int c1, int c2, int c3) {
    for (int c : {c1, c2, c3}) {
        setCell(s, c, r, CellWall);
        setCell(s, c, r - 1, CellWall);
    }
}

bool rock(Game& game, Where w) {
    GameState& s = game.state;
    const int c = w.c, r = w.r;
    if (s.SantaStepX[w.slot] > 0) {
        if (!isFree(s, c + 2, r) || !isFree(s, c + 3, r)) return false;
        setRock(s, r, c + 1, c + 2, c + 3);
        game.window.paint(Tile::WALL, cellX(c + 2), spriteTop(r));
        game.window.setSpritePicture(w.slot, SpriteSource::santa20);
        s.SantaState[w.slot] = StateWalkLeft;
        s.SantaStepX[w.slot] = -1;
    } else {
        // Walking left, or falling with step 0: the upper row is tested here.
        if (!isFree(s, c - 1, r - 1) || !isFree(s, c - 2, r - 1)) return false;
        setRock(s, r, c - 1, c - 2, c - 3);
        game.window.paint(Tile::WALL, cellX(c - 2), spriteTop(r));
        game.window.setSpritePicture(w.slot, SpriteSource::santa0);
        s.SantaState[w.slot] = StateWalkRight;
        s.SantaStepX[w.slot] = 1;
    }
    s.SantaStepY[w.slot] = 0;
    return true;
}

// Lifts the santa 11 rows; the sprite follows on the next movement tick.
bool jump(Game& game, Where w) {
    GameState& s = game.state;
    if (!(w.r - 11 > 0)) return false;
    if (!isFree(s, w.c, w.r - 10) || !isFree(s, w.c + 1, w.r - 11)) return false;
    s.SantaState[w.slot] = StateFalling;
    s.SantaStepX[w.slot] = 1;
    s.SantaStepY[w.slot] = 1;
    s.SantaRow[w.slot] = w.r - 11;
    return true;
}

}  // namespace

void onSantaPress(Game& game, int slot) {
    if (!inRoster(slot)) return;
    GameState& s = game.state;
    const Skill skill = s.SelectedSkill;
    if (skill >= kSkillCount || s.SkillStock[skill] <= 0) return;

    const Where w{slot, s.SantaCol[slot], s.SantaRow[slot]};
    bool used = false;
    switch (skill) {
        case DIG:
            used = dig(game, w);
            break;
        case BRIDGE:
            used = bridge(game, w);
            break;
        case ROCK:
            used = rock(game, w);
            break;
        case JUMP:
            used = jump(game, w);
            break;
    }
    if (!used) return;

    --s.SkillStock[skill];
    for (int k = 0; k < kSkillCount; ++k) {
        game.window.setLabelText(useLabel(k), NumberText(s.SkillStock[k]));
    }
}

}  // namespace sledloop
