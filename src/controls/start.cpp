// The window's load and unload, and the START / RESTART button.
#include "controls/handlers.h"
#include "stages/set_stage.h"
#include "state/texts.h"

namespace sledloop {

void onLoad(Game& game) {
    game.state.StageNumber = 1;
    game.window.showBanner();
    // Covered by the title picture until the button hides both.
    game.window.setLabelText(Label::Label4, BannerText("STAGE ", game.state.StageNumber));
}

void onUnload(Game& game) {
    game.sound.sendMusicCommand(kMusicStop);
}

// Starts the stage StageNumber names: the first one, the same one again, or
// the next after a clear. Pressed during play it is a full restart.
void onCommand1Click(Game& game) {
    game.window.hideBanner();
    game.window.hideTitle();
    game.window.clear();
    game.sound.playEffect(kWhistle);
    SetStage(game, game.state.StageNumber);
    for (int i = 0; i <= lastSlot(game.state); ++i) {
        game.window.setSpritePicture(i, SpriteSource::santa0);
    }
}

}  // namespace sledloop
