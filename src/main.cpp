// sledloop: opens the game's window and runs its event loop.
#include "ui/sdl/run_game.h"

int main() {
    return sledloop::sdl::runGame();
}
