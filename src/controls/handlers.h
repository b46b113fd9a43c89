// The handlers of the window's events. Each takes the one game context and
// runs to its end; the window (or the replay tool) calls them one at a time.
#pragma once

#include "state/game_state.h"
#include "ui/ports.h"

namespace sledloop {

struct Game {
    GameState& state;
    WindowOps& window;
    SoundCalls& sound;
};

// Start, restart and exit.
void onLoad(Game& game);
void onUnload(Game& game);
void onCommand1Click(Game& game);

// The palette: a click and a double click on a frame do the same.
void onFrameClick(Game& game, Frame frame);
void selectSkill(Game& game, Skill skill);

// A mouse button pressed on sprite `slot`: gives it the selected skill.
void onSantaPress(Game& game, int slot);
// The mouse moved over sprite `slot`: paints the selected skill's picture there.
void onSantaHover(Game& game, int slot);

// Timer ticks: the clock, the movement, the music.
void onTimer1(Game& game);
void onTimer2(Game& game);
void onTimer3(Game& game);

void onTimer(Game& game, TimerId timer);

}  // namespace sledloop
