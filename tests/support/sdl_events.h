// SDL events as the platform would deliver them, for tests that push them
// into the real window.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace sledloop::testing {

inline SDL_Event mouseButton(bool down, int x, int y, std::uint8_t button = SDL_BUTTON_LEFT,
                             std::uint8_t clicks = 1) {
    SDL_Event e{};
    e.button.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = button;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = clicks;
    e.button.x = x;
    e.button.y = y;
    return e;
}

inline SDL_Event mouseMotion(int x, int y) {
    SDL_Event e{};
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    return e;
}

inline SDL_Event keyPress(SDL_Keycode key, bool down) {
    SDL_Event e{};
    e.key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    return e;
}

// The close box of `window`.
inline SDL_Event windowClose(SDL_Window* window) {
    SDL_Event e{};
    e.window.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    e.window.windowID = SDL_GetWindowID(window);
    return e;
}

}  // namespace sledloop::testing
