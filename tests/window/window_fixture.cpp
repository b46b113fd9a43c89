#include "window_fixture.h"

#include "ui/sdl/form_layout.h"

namespace sledloop::sdl::testing {

namespace {

SDL_Event buttonEvent(Uint32 type, int x, int y, std::uint8_t button, std::uint8_t clicks) {
    SDL_Event e{};
    e.button.type = type;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = clicks;
    e.button.x = x;
    e.button.y = y;
    return e;
}

void push(SDL_Event e) {
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

}  // namespace

void WindowTest::SetUp() {
    std::string error;
    window = GameWindow::open(error, &clock);
    ASSERT_TRUE(window) << error;
    window->pump();
}

void WindowTest::TearDown() {
    window.reset();
}

void WindowTest::pressAt(int x, int y, std::uint8_t button, std::uint8_t clicks) {
    push(buttonEvent(SDL_MOUSEBUTTONDOWN, x, y, button, clicks));
}

void WindowTest::releaseAt(int x, int y, std::uint8_t button, std::uint8_t clicks) {
    push(buttonEvent(SDL_MOUSEBUTTONUP, x, y, button, clicks));
}

void WindowTest::moveTo(int x, int y) {
    SDL_Event e{};
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    push(e);
}

void WindowTest::key(SDL_Keycode sym, bool down) {
    SDL_Event e{};
    e.key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
    push(e);
}

void WindowTest::closeWindow() {
    SDL_Event e{};
    e.window.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    e.window.windowID = SDL_GetWindowID(window->sdlWindow());
    push(e);
}

void WindowTest::wait(std::int64_t ms) {
    window->pump();  // what was pushed happened before the clock moves on
    // Wake at every due tick, as the loop does: a single long jump would look
    // like a machine back from sleep, where missed ticks are dropped.
    const std::int64_t until = clock.nowMs() + ms;
    while (clock.nowMs() < until) {
        std::int64_t to = until;
        if (const auto due = window->timers().nextDue(); due && *due > clock.nowMs() && *due < until) {
            to = *due;
        }
        clock.advance(to - clock.nowMs());
        window->pump();
    }
}

Rgb WindowTest::pixel(int x, int y) {
    snapshot();
    return at(x, y);
}

Rgb WindowTest::at(int x, int y) const {
    return rgbOf(pixels_.at(static_cast<std::size_t>(y) * kClient.w + x));
}

}  // namespace sledloop::sdl::testing
