#include "ui/timer_scheduler.h"

namespace sledloop {

void TimerScheduler::setInterval(TimerId timer, int ms) {
    Slot& slot = timers_[index(timer)];
    slot.interval = ms > 0 ? ms : 0;
    slot.due = now_ + slot.interval;
}

std::optional<std::int64_t> TimerScheduler::nextDue() const {
    std::optional<std::int64_t> best;
    for (const Slot& slot : timers_) {
        if (slot.interval > 0 && (!best || slot.due < *best)) best = slot.due;
    }
    return best;
}

std::optional<TimerId> TimerScheduler::popDue(std::int64_t until) {
    int best = -1;
    for (int i = 0; i < kTimerCount; ++i) {
        const Slot& slot = timers_[i];
        if (slot.interval <= 0 || slot.due > until) continue;
        if (best < 0 || slot.due < timers_[best].due)
            best = i;  // strict: ties keep the lower timer
    }
    if (best < 0) return std::nullopt;
    Slot& slot = timers_[best];
    if (slot.due > now_) now_ = slot.due;
    slot.due += slot.interval;
    return static_cast<TimerId>(best);
}

void TimerScheduler::dropMissedTicks(std::int64_t t) {
    for (Slot& slot : timers_) {
        if (slot.interval <= 0 || slot.due + slot.interval > t) continue;
        slot.due += (t - slot.due) / slot.interval * slot.interval;
    }
}

void TimerScheduler::advanceTo(std::int64_t t) {
    if (t > now_) now_ = t;
}

}  // namespace sledloop
