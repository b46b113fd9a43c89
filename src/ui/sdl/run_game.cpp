#include "ui/sdl/run_game.h"

#include <cstdio>
#include <memory>
#include <string>

#include "ui/sdl/audio/mixer_sound.h"
#include "ui/sdl/game_events.h"
#include "ui/sdl/game_window.h"

namespace sledloop::sdl {

int runGame() {
    std::string error;
    std::unique_ptr<GameWindow> window = GameWindow::open(error);
    if (!window) {
        std::fprintf(stderr, "sledloop: cannot open the window: %s\n", error.c_str());
        return 1;
    }
    // Silent, with one line on standard error, where there is no audio device;
    // let go before the window ends SDL.
    std::unique_ptr<MixerSound> sound = MixerSound::open();
    GameEvents events(window->ops(), *sound);
    window->connect(events);
    return window->run();
}

}  // namespace sledloop::sdl
