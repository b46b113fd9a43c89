// Where the window's timers take their milliseconds from: SDL's clock in the
// game, a hand-moved one in the tests.
#pragma once

#include <cstdint>

namespace sledloop::sdl {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() = 0;
};

class SdlClock final : public Clock {
  public:
    std::int64_t nowMs() override;
};

class ManualClock final : public Clock {
  public:
    std::int64_t nowMs() override { return now_; }
    void advance(std::int64_t ms) { now_ += ms; }

  private:
    std::int64_t now_ = 0;
};

}  // namespace sledloop::sdl
