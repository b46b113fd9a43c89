// Starting SDL's video on a real display, and the window manager's part.
#pragma once

#include <string>

#include "ui/sdl/sdl_handles.h"

namespace sledloop::sdl {

// Starts the video subsystem on X11 or Wayland. SDL's offscreen and dummy
// drivers count only when SDL_VIDEODRIVER names them: otherwise SDL would
// fall back to them without a display and the game would run unseen.
bool startVideo(std::string& error);

// A fixed window: close box only, no minimize or maximize, where the window
// manager lets us say so.
void restrictWindowButtons(SDL_Window* window);

}  // namespace sledloop::sdl
