// A real Form1 under SDL's offscreen driver, on a hand-moved clock, with
// helpers that push real SDL events at client pixels and read pixels back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/sdl/game_window.h"

namespace sledloop::sdl::testing {

// Writes each delivered event the way the replay tool echoes it, and hands
// it on to `next` when there is one.
class RecordingEvents final : public FormEvents {
  public:
    void load() override {
        note("load", [&](FormEvents& n) { n.load(); });
    }
    void unload() override {
        note("unload", [&](FormEvents& n) { n.unload(); });
    }
    void command1Click() override {
        note("button", [&](FormEvents& n) { n.command1Click(); });
    }
    void frameClick(Frame f) override {
        note("click " + std::string(frameName(f)), [&](FormEvents& n) { n.frameClick(f); });
    }
    void frameDoubleClick(Frame f) override {
        note("dblclick " + std::string(frameName(f)),
             [&](FormEvents& n) { n.frameDoubleClick(f); });
    }
    void santaPress(int k) override {
        note("press santa(" + std::to_string(k) + ")", [&](FormEvents& n) { n.santaPress(k); });
    }
    void santaHover(int k) override {
        note("hover santa(" + std::to_string(k) + ")", [&](FormEvents& n) { n.santaHover(k); });
    }
    void timerTick(TimerId t) override {
        note("tick " + std::string(timerName(t)), [&](FormEvents& n) { n.timerTick(t); });
    }

    std::vector<std::string> log;
    FormEvents* next = nullptr;

  private:
    template <typename Deliver>
    void note(std::string line, Deliver deliver) {
        log.push_back(std::move(line));
        if (next) deliver(*next);
    }
};

inline Rgb rgbOf(std::uint32_t argb) {
    return {static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
            static_cast<std::uint8_t>(argb)};
}

inline std::string hex(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Events, pushed onto SDL's queue and delivered by pump().
    void pressAt(int x, int y, std::uint8_t button = SDL_BUTTON_LEFT, std::uint8_t clicks = 1);
    void releaseAt(int x, int y, std::uint8_t button = SDL_BUTTON_LEFT, std::uint8_t clicks = 1);
    void clickAt(int x, int y) {
        pressAt(x, y);
        releaseAt(x, y);
    }
    void moveTo(int x, int y);
    void key(SDL_Keycode sym, bool down);
    void closeWindow();

    // Moves the clock on and delivers whatever falls due.
    void wait(std::int64_t ms);

    // Client pixels of the window as drawn now.
    Rgb pixel(int x, int y);
    void snapshot() { pixels_ = window->readPixels(); }
    Rgb at(int x, int y) const;  // from the last snapshot

    ManualClock clock;
    std::unique_ptr<GameWindow> window;

  private:
    std::vector<std::uint32_t> pixels_;
};

// A window whose events are only written down.
class RecordedWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->connect(events);
    }
    std::vector<std::string> take() {
        window->pump();
        std::vector<std::string> log = std::move(events.log);
        events.log.clear();
        return log;
    }
    RecordingEvents events;
};

}  // namespace sledloop::sdl::testing
