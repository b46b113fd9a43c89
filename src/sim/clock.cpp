// The clock tick: advance the clock, lose the stage past its limit, release
// the santas waiting for their turn and refresh the counters.
#include "controls/handlers.h"
#include "sim/stage_end.h"
#include "state/texts.h"

namespace sledloop {

void onTimer1(Game& game) {
    GameState& s = game.state;
    ++s.ClockTicks;
    game.window.setLabelText(Label::Label6, NumberText(s.ClockTicks));
    game.window.setLabelText(Label::Label5, NumberText(s.TimeLimit));

    // No early exit: a slot due on this tick is still released.
    if (s.ClockTicks > s.TimeLimit) endStage(game, /*cleared=*/false);

    const int last = lastSlot(s);
    for (int i = 0; i <= last; ++i) {
        if (10 * i != s.ClockTicks) continue;
        s.SantaState[i] = StateFalling;
        s.SantaStepX[i] = 0;
        s.SantaStepY[i] = 1;
        game.window.showSprite(i);
        game.window.setSpritePicture(i, SpriteSource::santaS);
    }

    game.window.setLabelText(Label::Label3, NumberText(s.LastSantaIndex));
    int onField = 0;
    for (int i = 0; i <= last; ++i) {
        if (s.SantaState[i] > StateOff) ++onField;
    }
    game.window.setLabelText(Label::Label2, NumberText(onField));
    game.window.setLabelText(Label::Label1, NumberText(s.LastSantaIndex - onField));
}

}  // namespace sledloop
