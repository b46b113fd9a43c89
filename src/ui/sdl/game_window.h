// Form1 on SDL2: the window, its controls and drawing surface, the timers,
// and the loop that delivers its events.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/sdl/clock.h"
#include "ui/sdl/cursors.h"
#include "ui/sdl/drawing_surface.h"
#include "ui/sdl/fonts.h"
#include "ui/sdl/form_events.h"
#include "ui/sdl/form_ops.h"
#include "ui/sdl/form_state.h"
#include "ui/sdl/input.h"
#include "ui/sdl/painter.h"
#include "ui/sdl/picture_set.h"
#include "ui/timer_scheduler.h"

namespace sledloop::sdl {

class GameWindow {
  public:
    // Opens the window, or returns nothing and says why in `error`. The clock
    // (SDL's when null) must outlive the window.
    static std::unique_ptr<GameWindow> open(std::string& error, Clock* clock = nullptr);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    WindowOps& ops() { return *ops_; }
    // Where the events go from now on; they go nowhere before.
    void connect(FormEvents& events) { events_ = &events; }

    // Delivers the load event, once.
    void load();
    // Loads, then sleeps and delivers until the window is closed; the exit status.
    int run();
    // One turn of the loop: sleeps until an event comes or the next tick falls
    // due, delivers what is there, and draws if anything changed.
    void waitOnce();
    // Delivers every queued event and every tick due by the clock's time
    // without sleeping, and draws if anything changed.
    void pump();

    bool closed() const { return closed_; }
    // The window as drawn now, ARGB, client size, row by row.
    std::vector<std::uint32_t> readPixels();
    // The window as last presented, without drawing anything anew: what the
    // frames drawn in parts have left on the screen.
    std::vector<std::uint32_t> shownPixels() const;

    const FormState& form() const { return form_; }
    const TimerScheduler& timers() const { return timers_; }
    PointerKind pointer() const { return cursors_->shown(); }
    const FontChoice& fonts() const { return fonts_->choice(); }
    const PictureSet& pictures() const { return pictures_; }
    SDL_Window* sdlWindow() const { return window_.get(); }

  private:
    GameWindow() = default;
    void deliverDueTicks();
    void handle(const SDL_Event& event);
    void presentIfChanged();

    struct SdlSession {
        bool video = false;
        bool ttf = false;
        ~SdlSession();
    };

    SdlSession session_;  // first in, last out
    std::unique_ptr<Clock> ownClock_;
    Clock* clock_ = nullptr;
    PictureSet pictures_;
    std::optional<FontSet> fonts_;
    WindowPtr window_;
    std::optional<DrawingSurface> surface_;
    FormState form_ = FormState::atOpen();
    TimerScheduler timers_;
    std::optional<FormOps> ops_;
    std::optional<Painter> painter_;
    std::optional<Cursors> cursors_;
    std::optional<InputRouter> input_;
    FormEvents* events_ = nullptr;
    bool loaded_ = false;
    bool closed_ = false;
    bool redraw_ = true;
};

}  // namespace sledloop::sdl
