#include "window_fixture.h"

#include "sdl_events.h"
#include "ui/sdl/form_layout.h"

namespace sledloop::sdl::testing {

namespace {

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
    push(sledloop::testing::mouseButton(true, x, y, button, clicks));
}

void WindowTest::releaseAt(int x, int y, std::uint8_t button, std::uint8_t clicks) {
    push(sledloop::testing::mouseButton(false, x, y, button, clicks));
}

void WindowTest::moveTo(int x, int y) {
    push(sledloop::testing::mouseMotion(x, y));
}

void WindowTest::key(SDL_Keycode sym, bool down) {
    push(sledloop::testing::keyPress(sym, down));
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
        if (const auto due = window->timers().nextDue();
            due && *due > clock.nowMs() && *due < until) {
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
