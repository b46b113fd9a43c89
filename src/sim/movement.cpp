// The movement tick: every santa on the field falls, lands, walks, turns,
// collects a pickup or leaves, one step per tick, slots in ascending order.
#include <algorithm>

#include "controls/handlers.h"
#include "sim/stage_end.h"
#include "state/texts.h"

namespace sledloop {

namespace {

// The pickup's picture stays on the field: only its cells change.
void collectPickup(Game& game, CellCode pickup) {
    const Skill skill = skillOfPickup(pickup);
    game.sound.playEffect(kGet);
    ++game.state.SkillStock[skill];
    game.window.setLabelText(useLabel(skill), NumberText(game.state.SkillStock[skill]));
}

void emptyCells(GameState& s, int colFrom, int colTo, int rowFrom, int rowTo) {
    for (int c = colFrom; c <= colTo; ++c) {
        for (int r = rowFrom; r <= rowTo; ++r)
            setCell(s, c, r, CellEmpty);
    }
}

void startFalling(Game& game, int i) {
    game.window.setSpritePicture(i, SpriteSource::santaS);
    game.state.SantaState[i] = StateFalling;
    game.state.SantaStepX[i] = 0;
    game.state.SantaStepY[i] = 1;
}

void walkRight(Game& game, int i) {
    game.window.setSpritePicture(i, SpriteSource::santa0);
    game.state.SantaState[i] = StateWalkRight;
    game.state.SantaStepX[i] = 1;
    game.state.SantaStepY[i] = 0;
}

void walkLeft(Game& game, int i) {
    game.window.setSpritePicture(i, SpriteSource::santa20);
    game.state.SantaState[i] = StateWalkLeft;
    game.state.SantaStepX[i] = -1;
    game.state.SantaStepY[i] = 0;
}

// Slots not yet released count as off the field too, so a stage can clear
// before every santa has entered. That is meant.
void leave(Game& game, int i) {
    GameState& s = game.state;
    game.sound.playEffect(kSaru);
    s.SantaState[i] = StateOff;
    s.SantaStepX[i] = 0;
    s.SantaStepY[i] = 0;
    game.window.hideSprite(i);

    int onField = 0;
    for (int j = 0; j <= lastSlot(s); ++j)
        onField += s.SantaState[j];
    if (onField == 0) endStage(game, /*cleared=*/true);
}

void fall(Game& game, int i) {
    GameState& s = game.state;
    const int c = s.SantaCol[i];
    const int r = s.SantaRow[i];
    const int below = r + s.SantaStepY[i];

    if (const CellCode b = cellAt(s, c, below); isPickup(b)) {
        collectPickup(game, b);
        // A falling santa empties the whole 3 x 2 area under it, walls beside
        // the pickup included, and the field does not show it. That is meant.
        emptyCells(s, c - 1, c + 1, r + 1, r + 2);
    }
    const CellCode b = cellAt(s, c, below);
    if (b == CellExit) {
        leave(game, i);
    } else if (b == CellEmpty) {
        game.window.moveSprite(i, spriteLeft(c), spriteTop(below));
        s.SantaRow[i] = below;
    } else {
        walkRight(game, i);  // a santa always lands walking right
    }
}

void walk(Game& game, int i, SantaStateCode state) {
    GameState& s = game.state;
    const int c = s.SantaCol[i];
    const int r = s.SantaRow[i];
    const int step = s.SantaStepX[i];
    const int ahead = c + step;

    if (const CellCode a = cellAt(s, ahead, r); isPickup(a)) {
        collectPickup(game, a);
        const int other = state == StateWalkRight ? ahead + 1 : ahead - 1;
        emptyCells(s, std::min(ahead, other), std::max(ahead, other), r - 1, r);
    }
    const CellCode a = cellAt(s, ahead, r);
    if (a == CellExit) {
        leave(game, i);
    } else if (a == CellEmpty) {
        game.window.moveSprite(i, spriteLeft(ahead), spriteTop(r));
        s.SantaCol[i] = ahead;
        // Either foot on anything at all (a pickup or the exit included) is ground.
        if (cellAt(s, ahead, r + 1) == CellEmpty && cellAt(s, ahead + 1, r + 1) == CellEmpty) {
            startFalling(game, i);
        }
    } else if (state == StateWalkRight) {
        walkLeft(game, i);
    } else {
        walkRight(game, i);
    }
}

}  // namespace

void onTimer2(Game& game) {
    GameState& s = game.state;
    for (int i = 0; i <= lastSlot(s); ++i) {
        switch (const SantaStateCode state = s.SantaState[i]) {
            case StateFalling:
                fall(game, i);
                break;
            case StateWalkRight:
            case StateWalkLeft:
                walk(game, i, state);
                break;
            default:
                break;
        }
    }
}

}  // namespace sledloop
