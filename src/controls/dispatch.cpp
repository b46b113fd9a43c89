#include "controls/handlers.h"
#include "state/texts.h"

namespace sledloop {

// The music timer keeps the tune going: the start command leaves playing
// music alone and restarts music that has ended.
void onTimer3(Game& game) {
    game.sound.sendMusicCommand(kMusicPlay);
}

void onTimer(Game& game, TimerId timer) {
    switch (timer) {
        case TimerId::Timer1:
            onTimer1(game);
            break;
        case TimerId::Timer2:
            onTimer2(game);
            break;
        case TimerId::Timer3:
            onTimer3(game);
            break;
    }
}

}  // namespace sledloop
