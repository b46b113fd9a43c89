// Three interval timers driven by whatever clock the caller has: real
// milliseconds in the window, virtual ones in the replay tool and the tests.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ui/ports.h"

namespace sledloop {

class TimerScheduler {
  public:
    std::int64_t now() const { return now_; }
    int interval(TimerId timer) const { return timers_[index(timer)].interval; }
    bool running(TimerId timer) const { return interval(timer) > 0; }

    // Restarts the timer: its next tick is due `ms` after now; 0 stops it.
    void setInterval(TimerId timer, int ms);

    // The earliest running timer due at or before `until` (ties: Timer1,
    // Timer2, Timer3). Moves now to its due time and schedules its next tick
    // one interval later. Returns nothing when no timer is due by `until`.
    std::optional<TimerId> popDue(std::int64_t until);

    // Moves now forward (never back) once no tick is due before `t`.
    void advanceTo(std::int64_t t);

    // A timer that has fallen more than one interval behind `t` (the machine
    // slept, the process was stopped) keeps one tick due instead of all it
    // missed, on its own beat. The window's real clock needs this; the
    // virtual clock of the replay tool delivers every tick.
    void dropMissedTicks(std::int64_t t);

    // When the next tick falls due, if any timer runs.
    std::optional<std::int64_t> nextDue() const;

  private:
    struct Slot {
        int interval = 0;
        std::int64_t due = 0;
    };
    static constexpr int index(TimerId timer) { return static_cast<int>(timer); }

    std::array<Slot, kTimerCount> timers_{};
    std::int64_t now_ = 0;
};

}  // namespace sledloop
