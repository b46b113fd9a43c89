#include "sim/stage_end.h"

#include "state/texts.h"

namespace sledloop {

void endStage(Game& game, bool cleared) {
    game.sound.sendMusicCommand(kMusicStop);
    game.sound.playEffect(cleared ? kClear : kGameOver);
    if (cleared) ++game.state.StageNumber;
    game.window.clear();
    game.window.showBanner();
    game.window.setLabelText(Label::Label4, BannerText("Stage ", game.state.StageNumber));
    game.window.setTimerInterval(TimerId::Timer1, 0);
    game.window.setTimerInterval(TimerId::Timer2, 0);
    game.window.setTimerInterval(TimerId::Timer3, 0);
}

}  // namespace sledloop
