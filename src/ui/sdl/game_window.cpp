#include "ui/sdl/game_window.h"

#include <climits>
#include <future>
#include <new>
#include <stdexcept>

#include "ui/sdl/display.h"
#include "ui/sdl/form_layout.h"

namespace sledloop::sdl {

namespace {

// Stands in until a handler set is connected.
class NoEvents final : public FormEvents {
  public:
    void load() override {}
    void unload() override {}
    void command1Click() override {}
    void frameClick(Frame) override {}
    void frameDoubleClick(Frame) override {}
    void santaPress(int) override {}
    void santaHover(int) override {}
    void timerTick(TimerId) override {}
};
NoEvents noEvents;

}  // namespace

std::int64_t SdlClock::nowMs() {
    return static_cast<std::int64_t>(SDL_GetTicks64());
}

GameWindow::SdlSession::~SdlSession() {
    if (ttf) TTF_Quit();
    if (video) SDL_Quit();
}

std::unique_ptr<GameWindow> GameWindow::open(std::string& error, Clock* clock) {
    std::unique_ptr<GameWindow> w{new GameWindow()};
    w->events_ = &noEvents;
    if (clock) {
        w->clock_ = clock;
    } else {
        w->ownClock_ = std::make_unique<SdlClock>();
        w->clock_ = w->ownClock_.get();
    }
    if (TTF_Init() != 0) {
        error = std::string("cannot start the font renderer: ") + TTF_GetError();
        return nullptr;
    }
    w->session_.ttf = true;

    // Cairo's title picture, fontconfig's caches with the font files, and
    // the field's pixels are most of the start-up: each is made on a thread
    // of its own beside SDL's talk with the display server. Nothing else
    // touches them until they are taken.
    constexpr auto policy = std::launch::async | std::launch::deferred;
    std::future<void> title = std::async(policy, [] { (void)PictureSet::load(); });
    struct Prepared {
        std::optional<FontSet> fonts;
        std::string error;
        std::optional<DrawingSurface> surface;
    };
    std::future<Prepared> prepared = std::async(policy, [] {
        Prepared ready;
        ready.fonts = FontSet::open(chooseFonts(), ready.error);
        if (ready.fonts) ready.surface.emplace();
        return ready;
    });

    if (!startVideo(error)) return nullptr;
    w->session_.video = true;

    // A click that brings the window to the front counts as a click, as it
    // did on the original platform; SDL drops it otherwise.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The field is small and drawn only where it changes: the window's
    // pixels are drawn by the processor and go straight to the display, with
    // no GL context behind them, and are the same everywhere.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    try {
        w->window_.reset(SDL_CreateWindow("sledloop", SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, kClient.w, kClient.h,
                                          SDL_WINDOW_HIDDEN));
        if (!w->window_) throw std::runtime_error(SDL_GetError());
        if (SurfacePtr icon = surfaceOf(w->pictures_.windowIcon()))
            SDL_SetWindowIcon(w->window_.get(), icon.get());
        restrictWindowButtons(w->window_.get());
        // The window's own pixels are made and first touched while the
        // threads are still at work, rather than in the first frame.
        SDL_Surface* pixels = SDL_GetWindowSurface(w->window_.get());
        if (!pixels) throw std::runtime_error(SDL_GetError());
        SDL_FillRect(pixels, nullptr, 0);
        Prepared ready = prepared.get();
        if (!ready.fonts) {
            error = ready.error;
            return nullptr;
        }
        w->fonts_ = std::move(ready.fonts);
        w->surface_ = std::move(ready.surface);
        title.get();
        w->ops_.emplace(w->form_, *w->surface_, w->timers_, w->pictures_);
        w->painter_.emplace(w->window_.get(), w->pictures_, *w->fonts_);
        w->cursors_.emplace(w->pictures_);
        w->input_.emplace(w->form_, &*w->cursors_);
    } catch (const std::bad_alloc&) {
        error = "out of memory";
        return nullptr;
    } catch (const std::exception& e) {
        error = e.what();
        return nullptr;
    }
    w->timers_.advanceTo(w->clock_->nowMs());
    SDL_ShowWindow(w->window_.get());
    w->cursors_->show(PointerKind::Reticle);
    w->presentIfChanged();
    return w;
}

GameWindow::~GameWindow() = default;

void GameWindow::load() {
    if (loaded_) return;
    loaded_ = true;
    events_->load();
}

void GameWindow::deliverDueTicks() {
    const std::int64_t now = clock_->nowMs();
    timers_.dropMissedTicks(now);  // after a suspend the stage goes on, it does not race
    while (!closed_) {
        const std::optional<TimerId> due = timers_.popDue(now);
        if (!due) break;
        events_->timerTick(*due);
    }
    timers_.advanceTo(now);
}

void GameWindow::handle(const SDL_Event& event) {
    if (closed_) return;
    deliverDueTicks();
    switch (input_->handle(event, *events_)) {
        case Outcome::Close:
            closed_ = true;
            break;
        case Outcome::Redraw:
            redraw_ = true;
            break;
        case Outcome::Nothing:
            break;
    }
}

void GameWindow::pump() {
    deliverDueTicks();
    SDL_Event event;
    while (!closed_ && SDL_PollEvent(&event))
        handle(event);
    deliverDueTicks();
    presentIfChanged();
}

void GameWindow::waitOnce() {
    deliverDueTicks();
    presentIfChanged();
    if (closed_) return;
    int timeout = -1;
    if (const std::optional<std::int64_t> due = timers_.nextDue()) {
        const std::int64_t wait = *due - clock_->nowMs();
        timeout = wait <= 0 ? 0 : wait >= INT_MAX ? INT_MAX : static_cast<int>(wait);
    }
    SDL_Event event;
    const int got = timeout < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, timeout);
    if (got) handle(event);
    pump();
}

int GameWindow::run() {
    load();
    while (!closed_)
        waitOnce();
    return 0;
}

void GameWindow::presentIfChanged() {
    Damage& damage = ops_->damage();
    if (redraw_) damage.addAll();
    redraw_ = false;
    if (damage.empty()) return;
    painter_->present(form_, *surface_, input_->command1Down(), damage);
    damage.clear();
}

std::vector<std::uint32_t> GameWindow::readPixels() {
    redraw_ = true;
    presentIfChanged();
    return shownPixels();
}

std::vector<std::uint32_t> GameWindow::shownPixels() const {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kClient.w) * kClient.h);
    if (const SDL_Surface* frame = painter_->frame())
        SDL_ConvertPixels(kClient.w, kClient.h, frame->format->format, frame->pixels, frame->pitch,
                          SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                          kClient.w * static_cast<int>(sizeof(std::uint32_t)));
    return pixels;
}

}  // namespace sledloop::sdl
