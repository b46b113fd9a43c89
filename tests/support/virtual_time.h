// Moving the window's hand-moved clock the way its loop would live through
// the same time.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/sdl/clock.h"
#include "ui/sdl/game_window.h"

namespace sledloop::testing {

// Delivers what is queued, then moves the clock on by `ms`, waking at every
// due tick: one long jump would look like a machine back from sleep, whose
// missed ticks the window drops. A window closed on the way delivers no more.
inline void runFor(sdl::GameWindow& window, sdl::ManualClock& clock, std::int64_t ms) {
    window.pump();  // what was pushed happened before the clock moves on
    const std::int64_t until = clock.nowMs() + ms;
    while (clock.nowMs() < until && !window.closed()) {
        const std::optional<std::int64_t> due = window.timers().nextDue();
        const std::int64_t to = due && *due > clock.nowMs() && *due < until ? *due : until;
        clock.advance(to - clock.nowMs());
        window.pump();
    }
    clock.advance(until - clock.nowMs());
}

}  // namespace sledloop::testing
