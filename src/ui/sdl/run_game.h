// The whole game: opens Form1, connects the handlers and the sound, and runs
// until the window is closed. Returns the program's exit status.
#pragma once

namespace sledloop::sdl {

int runGame();

}  // namespace sledloop::sdl
