// Form1's events handed to the game's handlers, with the one game state.
#pragma once

#include "controls/handlers.h"
#include "state/game_state.h"
#include "ui/sdl/form_events.h"

namespace sledloop::sdl {

class GameEvents final : public FormEvents {
  public:
    GameEvents(WindowOps& window, SoundCalls& sound) : game_{state_, window, sound} {}
    GameEvents(const GameEvents&) = delete;
    GameEvents& operator=(const GameEvents&) = delete;

    void load() override;
    void unload() override;
    void command1Click() override;
    void frameClick(Frame frame) override;
    void frameDoubleClick(Frame frame) override;
    void santaPress(int slot) override;
    void santaHover(int slot) override;
    void timerTick(TimerId timer) override;

    const GameState& state() const { return state_; }

  private:
    GameState state_;
    Game game_;
};

}  // namespace sledloop::sdl
