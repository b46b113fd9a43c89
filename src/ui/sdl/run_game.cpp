#include "ui/sdl/run_game.h"

#include <cstdio>
#include <string>

#include "ui/sdl/game_events.h"
#include "ui/sdl/game_window.h"
#include "ui/sdl/silent_sound.h"

namespace sledloop::sdl {

int runGame() {
    std::string error;
    std::unique_ptr<GameWindow> window = GameWindow::open(error);
    if (!window) {
        std::fprintf(stderr, "sledloop: cannot open the window: %s\n", error.c_str());
        return 1;
    }
    SilentSound sound;
    GameEvents events(window->ops(), sound);
    window->connect(events);
    return window->run();
}

}  // namespace sledloop::sdl
