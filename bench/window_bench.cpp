// The window's share of the work, on SDL's offscreen driver with the software
// renderer: composing a frame, a hover and the ticks through the window's own
// operations. Each reports per iteration the operator new calls (new/iter)
// and every heap block the process took from any library (heap/iter).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "alloc_counter.h"
#include "controls/handlers.h"
#include "heap_counter.h"
#include "null_ports.h"
#include "ui/sdl/form_events.h"
#include "ui/sdl/form_layout.h"
#include "ui/sdl/game_window.h"

namespace sledloop::bench {
namespace {

// The game's handlers on a state the benchmarks can reach, fed by the window.
class RigEvents final : public sdl::FormEvents {
  public:
    explicit RigEvents(Game& game) : game_(game) {}
    void load() override { onLoad(game_); }
    void unload() override { onUnload(game_); }
    void command1Click() override { onCommand1Click(game_); }
    void frameClick(Frame frame) override { onFrameClick(game_, frame); }
    void frameDoubleClick(Frame frame) override { onFrameClick(game_, frame); }
    void santaPress(int slot) override { onSantaPress(game_, slot); }
    void santaHover(int slot) override { onSantaHover(game_, slot); }
    void timerTick(TimerId timer) override { onTimer(game_, timer); }

  private:
    Game& game_;
};

// The real window on a hand-moved clock, with the game's rules connected and
// the sound going nowhere.
class Rig {
  public:
    // Null, with the benchmark marked failed, when the window cannot open.
    static std::unique_ptr<Rig> open(benchmark::State& st) {
        std::unique_ptr<Rig> rig{new Rig()};
        std::string error;
        rig->window_ = sdl::GameWindow::open(error, &rig->clock_);
        if (!rig->window_) {
            st.SkipWithError(("cannot open the window: " + error).c_str());
            return nullptr;
        }
        rig->game_.emplace(Game{rig->state, rig->window_->ops(), rig->sound_});
        rig->events_.emplace(*rig->game_);
        rig->window_->connect(*rig->events_);
        rig->window_->load();
        rig->window_->pump();
        return rig;
    }

    // START on `stage`, then `ms` of play.
    void play(int stage, std::int64_t ms) {
        state.StageNumber = stage;
        onCommand1Click(game());
        wait(ms);
    }

    // Moves the clock on, waking at every due tick as the window's loop does.
    void wait(std::int64_t ms) {
        const std::int64_t until = clock_.nowMs() + ms;
        while (clock_.nowMs() < until) {
            std::int64_t to = until;
            if (const auto due = window_->timers().nextDue(); due && *due < until) to = *due;
            clock_.advance(to - clock_.nowMs());
            window_->pump();
        }
    }

    int santasOnField() const {
        int n = 0;
        for (int i = 0; i <= state.LastSantaIndex; ++i)
            n += state.SantaState[i] > StateOff;
        return n;
    }
    // A santa whose sprite shows on the field; 1 when none does.
    int visibleSanta() const {
        for (int i = 0; i < kRosterSlots; ++i)
            if (window_->form().sprites[i].visible && state.SantaState[i] > StateOff) return i;
        return 1;
    }

    const sdl::SpriteView& sprite(int slot) const { return window_->form().sprites[slot]; }
    Game& game() { return *game_; }
    WindowOps& ops() { return window_->ops(); }
    // Delivers what is due by now and draws the frame if anything changed.
    void pump() { window_->pump(); }
    // The display tells the window that it shows again: all of it is drawn.
    void uncover() {
        SDL_Event e{};
        e.window.type = SDL_WINDOWEVENT;
        e.window.event = SDL_WINDOWEVENT_EXPOSED;
        e.window.windowID = SDL_GetWindowID(window_->sdlWindow());
        SDL_PushEvent(&e);
    }

    GameState state;

  private:
    Rig() = default;

    sdl::ManualClock clock_;
    NullPorts sound_;
    std::unique_ptr<sdl::GameWindow> window_;
    std::optional<Game> game_;
    std::optional<RigEvents> events_;
};

// Runs `f` once per iteration and reports what it allocated.
template <typename F>
void measure(benchmark::State& st, F&& f) {
    std::uint64_t news = 0;
    std::uint64_t blocks = 0;
    for (auto _ : st) {
        const std::uint64_t newsBefore = allocations();
        const std::uint64_t blocksBefore = heapBlocks();
        f();
        blocks += heapBlocks() - blocksBefore;
        news += allocations() - newsBefore;
    }
    st.counters["new/iter"] =
        benchmark::Counter(static_cast<double>(news), benchmark::Counter::kAvgIterations);
    st.counters["heap/iter"] =
        benchmark::Counter(static_cast<double>(blocks), benchmark::Counter::kAvgIterations);
}

// Stage 1 after ten seconds: the field painted, the title gone, santas walking.
constexpr int kStage = 1;
constexpr std::int64_t kPlayed = 10'000;

enum class Change { SpriteMoved, TilePainted, LabelChanged, Uncovered, UncoveredTitle };

// A frame after one kind of change: a sprite moved (the common case), a tile
// painted, a counter's text changed (the text drawn anew), and the whole
// window drawn anew because the display uncovered it, during a stage and
// before START with the title picture over the field.
void BM_Frame(benchmark::State& st, Change change) {
    auto rig = Rig::open(st);
    if (!rig) return;
    if (change != Change::UncoveredTitle) rig->play(kStage, kPlayed);
    const int slot = rig->visibleSanta();
    const sdl::SpriteView sprite = rig->sprite(slot);
    int n = 0;
    measure(st, [&] {
        ++n;
        switch (change) {
            case Change::SpriteMoved:
                rig->ops().moveSprite(slot, sprite.left + n % 2, sprite.top);
                break;
            case Change::TilePainted:
                rig->ops().paint(Tile::WALL, 32 * (n % 29), 0);
                break;
            case Change::LabelChanged:
                rig->ops().setLabelText(Label::Label6, n % 2 ? "41" : "42");
                break;
            case Change::Uncovered:
            case Change::UncoveredTitle:
                rig->uncover();
                break;
        }
        rig->pump();
    });
}
BENCHMARK_CAPTURE(BM_Frame, sprite_moved, Change::SpriteMoved)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, tile_painted, Change::TilePainted)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, label_changed, Change::LabelChanged)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, whole, Change::Uncovered)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, whole_with_title, Change::UncoveredTitle)
    ->Unit(benchmark::kMicrosecond);

// The hover preview through the window: the handler, FormOps, the drawing
// surface's blit; and with the frame that shows it.
void BM_Hover(benchmark::State& st, bool answered) {
    auto rig = Rig::open(st);
    if (!rig) return;
    rig->play(kStage, kPlayed);
    onFrameClick(rig->game(), Frame::Frame4);
    rig->pump();
    const int slot = rig->visibleSanta();
    measure(st, [&] {
        onSantaHover(rig->game(), slot);
        if (answered) rig->pump();
    });
}
BENCHMARK_CAPTURE(BM_Hover, alone, false);
BENCHMARK_CAPTURE(BM_Hover, with_its_frame, true);

// Stage 9 with its eight santas out: movement and clock ticks through the
// window's operations, alone and with the frame each one asks for.
void BM_Tick(benchmark::State& st, TimerId timer, bool answered) {
    auto rig = Rig::open(st);
    if (!rig) return;
    rig->play(9, 71'000);
    rig->state.TimeLimit = 1 << 30;
    const GameState start = rig->state;
    int n = 0;
    measure(st, [&] {
        onTimer(rig->game(), timer);
        if (answered) rig->pump();
        if (++n == 200) {  // keep them on the field rather than walking off for ever
            st.PauseTiming();
            rig->state = start;
            n = 0;
            st.ResumeTiming();
        }
    });
    st.counters["santas"] = rig->santasOnField();
}
BENCHMARK_CAPTURE(BM_Tick, movement_alone, TimerId::Timer2, false);
BENCHMARK_CAPTURE(BM_Tick, movement_with_its_frame, TimerId::Timer2, true);
BENCHMARK_CAPTURE(BM_Tick, clock_alone, TimerId::Timer1, false);
BENCHMARK_CAPTURE(BM_Tick, clock_with_its_frame, TimerId::Timer1, true);

}  // namespace
}  // namespace sledloop::bench

int main(int argc, char** argv) {
    // The window opens on SDL's offscreen driver, which must be asked for by name.
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
