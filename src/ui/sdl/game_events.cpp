#include "ui/sdl/game_events.h"

namespace sledloop::sdl {

void GameEvents::load() {
    onLoad(game_);
}
void GameEvents::unload() {
    onUnload(game_);
}
void GameEvents::command1Click() {
    onCommand1Click(game_);
}
void GameEvents::frameClick(Frame frame) {
    onFrameClick(game_, frame);
}
// The palette does the same for a double click as for a click.
void GameEvents::frameDoubleClick(Frame frame) {
    onFrameClick(game_, frame);
}
void GameEvents::santaPress(int slot) {
    onSantaPress(game_, slot);
}
void GameEvents::santaHover(int slot) {
    onSantaHover(game_, slot);
}
void GameEvents::timerTick(TimerId timer) {
    onTimer(game_, timer);
}

}  // namespace sledloop::sdl
