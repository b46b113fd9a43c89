#include "ui/sdl/run_game.h"

#include <dlfcn.h>

#include <cstdio>
#include <memory>
#include <string>

#include "ui/sdl/audio/mixer_sound.h"
#include "ui/sdl/game_events.h"
#include "ui/sdl/game_window.h"

namespace sledloop::sdl {

namespace {

// SDL leaves libdbus's global state to the program, since a library cannot
// know whether it is the last user in the process. The game is the program
// and, once SDL has quit, the last user.
void releaseDbus() {
    void* dbus = dlopen("libdbus-1.so.3", RTLD_LAZY | RTLD_NOLOAD);
    if (!dbus) return;
    if (auto shutdown = reinterpret_cast<void (*)()>(dlsym(dbus, "dbus_shutdown"))) shutdown();
    dlclose(dbus);
}

int play() {
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

}  // namespace

int runGame() {
    const int status = play();
    releaseDbus();
    return status;
}

}  // namespace sledloop::sdl
