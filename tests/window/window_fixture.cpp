#include "window_fixture.h"

#include "sdl_events.h"
#include "ui/sdl/form_layout.h"
#include "virtual_time.h"

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
    push(sledloop::testing::windowClose(window->sdlWindow()));
}

void WindowTest::wait(std::int64_t ms) {
    sledloop::testing::runFor(*window, clock, ms);
}

Rgb WindowTest::pixel(int x, int y) {
    snapshot();
    return at(x, y);
}

Rgb WindowTest::at(int x, int y) const {
    return rgbOf(pixels_.at(static_cast<std::size_t>(y) * kClient.w + x));
}

}  // namespace sledloop::sdl::testing
