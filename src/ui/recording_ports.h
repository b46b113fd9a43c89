// A window without a screen: it records every operation and sound call as a
// trace line, models what the replay tool needs of the window (which sprites
// are shown and where, the timers), and runs the timers on a virtual clock.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "state/game_state.h"
#include "ui/ports.h"
#include "ui/timer_scheduler.h"

namespace sledloop {

struct SpriteModel {
    int left = 0, top = 0;
    bool shown = false;
};

class RecordingPorts final : public WindowOps, public SoundCalls {
  public:
    RecordingPorts();

    // Trace lines written since the last take, each ending in '\n'.
    std::string takeOutput();
    const std::string& output() const { return out_; }
    void clearOutput() { out_.clear(); }

    // Appends one line of the caller's own (the replay tool's echoes and dumps).
    void writeLine(std::string_view line);

    const SpriteModel& sprite(int slot) const { return sprites_[slot]; }
    std::string_view labelText(Label label) const { return labels_[static_cast<int>(label)]; }
    TimerScheduler& timers() { return timers_; }
    const TimerScheduler& timers() const { return timers_; }

    void clear() override;
    void paint(Tile tile, int x, int y) override;
    void moveSprite(int slot, int left, int top) override;
    void showSprite(int slot) override;
    void hideSprite(int slot) override;
    void setSpritePicture(int slot, SpriteSource source) override;
    void setLabelText(Label label, std::string_view text) override;
    void showBanner() override;
    void hideBanner() override;
    void hideTitle() override;
    void setFrameColor(Frame frame, Rgb color) override;
    void setTimerInterval(TimerId timer, int ms) override;

    void playEffect(std::string_view file) override;
    void sendMusicCommand(std::string_view command) override;

  private:
    template <typename... Parts>
    void line(const Parts&... parts);

    std::string out_;
    std::array<SpriteModel, kRosterSlots> sprites_{};
    std::array<std::string, kLabelCount> labels_;
    TimerScheduler timers_;
};

}  // namespace sledloop
