// How true the window's timers run: the real window on SDL's own clock, the
// game's handlers and the mixer, stage 1 started and left to play. Every
// movement and clock tick is timestamped as the window delivers it, and each
// timer's intervals are summed up against its nominal one.
//
//     tick_timing [SECONDS]      (60 when not given; needs a display)
//
// One line per timer:
//     timer NAME nominal MS ticks N mean MS sd MS min MS max MS drift MS/min late MS
// Each tick's lateness is measured against the beat of the first tick (the
// first tick's time plus whole nominal intervals): drift is how fast that
// lateness grows, by a least-squares line through all ticks, in ms per
// minute; late is the worst lateness of any tick.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ui/sdl/audio/mixer_sound.h"
#include "ui/sdl/game_events.h"
#include "ui/sdl/game_window.h"

namespace sledloop::bench {
namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Hands every event on to the game, noting when each tick came.
class TimedEvents final : public sdl::FormEvents {
  public:
    explicit TimedEvents(sdl::FormEvents& game) : game_(game) {}
    void load() override { game_.load(); }
    void unload() override { game_.unload(); }
    void command1Click() override { game_.command1Click(); }
    void frameClick(Frame frame) override { game_.frameClick(frame); }
    void frameDoubleClick(Frame frame) override { game_.frameDoubleClick(frame); }
    void santaPress(int slot) override { game_.santaPress(slot); }
    void santaHover(int slot) override { game_.santaHover(slot); }
    void timerTick(TimerId timer) override {
        ticks[static_cast<int>(timer)].push_back(Clock::now());
        game_.timerTick(timer);
    }

    std::vector<Clock::time_point> ticks[kTimerCount];

  private:
    sdl::FormEvents& game_;
};

struct Summary {
    std::size_t ticks = 0;
    double mean = 0, sd = 0, min = 0, max = 0, drift = 0, late = 0;  // drift in ms per minute
};

Summary summarise(const std::vector<Clock::time_point>& at, int nominal) {
    Summary s;
    s.ticks = at.size();
    if (at.size() < 2) return s;
    const std::size_t n = at.size() - 1;
    s.mean = msBetween(at.front(), at.back()) / static_cast<double>(n);
    s.min = s.max = msBetween(at[0], at[1]);
    double squares = 0;
    double sumK = 0, sumL = 0, sumKK = 0, sumKL = 0;
    for (std::size_t k = 1; k <= n; ++k) {
        const double interval = msBetween(at[k - 1], at[k]);
        s.min = std::min(s.min, interval);
        s.max = std::max(s.max, interval);
        squares += (interval - s.mean) * (interval - s.mean);
        const double kd = static_cast<double>(k);
        const double lateness = msBetween(at[0], at[k]) - kd * nominal;
        s.late = std::max(s.late, lateness);
        sumK += kd;
        sumL += lateness;
        sumKK += kd * kd;
        sumKL += kd * lateness;
    }
    s.sd = std::sqrt(squares / static_cast<double>(n));
    const double nd = static_cast<double>(n);
    if (n >= 2) {
        const double perTick = (nd * sumKL - sumK * sumL) / (nd * sumKK - sumK * sumK);
        s.drift = perTick * 60'000.0 / nominal;
    }
    return s;
}

int run(int seconds) {
    std::string error;
    std::unique_ptr<sdl::GameWindow> window = sdl::GameWindow::open(error);
    if (!window) {
        std::fprintf(stderr, "tick_timing: cannot open the window: %s\n", error.c_str());
        return 1;
    }
    std::unique_ptr<MixerSound> sound = MixerSound::open();
    sdl::GameEvents game(window->ops(), *sound);
    TimedEvents events(game);
    window->connect(events);
    window->load();
    events.command1Click();  // START: stage 1

    const int nominal[kTimerCount] = {window->timers().interval(TimerId::Timer1),
                                      window->timers().interval(TimerId::Timer2),
                                      window->timers().interval(TimerId::Timer3)};
    const Clock::time_point end = Clock::now() + std::chrono::seconds(seconds);
    while (!window->closed() && Clock::now() < end) {
        window->waitOnce();
        if (!window->timers().running(TimerId::Timer2)) {
            std::fprintf(stderr, "tick_timing: the stage ended before the time was up\n");
            return 1;
        }
    }
    const char* names[kTimerCount] = {"Timer1", "Timer2", "Timer3"};
    for (int t = 0; t < kTimerCount; ++t) {
        const Summary s = summarise(events.ticks[t], nominal[t]);
        std::printf(
            "timer %s nominal %d ticks %zu mean %.3f sd %.3f min %.3f max %.3f drift %.3f/min "
            "late %.3f\n",
            names[t], nominal[t], s.ticks, s.mean, s.sd, s.min, s.max, s.drift, s.late);
    }
    return 0;
}

}  // namespace
}  // namespace sledloop::bench

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: tick_timing [SECONDS]\n");
        return 2;
    }
    return sledloop::bench::run(seconds);
}
