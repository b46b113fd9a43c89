// Ports that do nothing but keep the timers, to measure the rules alone.
#pragma once

#include "ui/ports.h"
#include "ui/timer_scheduler.h"

namespace sledloop::bench {

class NullPorts final : public WindowOps, public SoundCalls {
  public:
    TimerScheduler timers;

    void clear() override {}
    void paint(Tile, int, int) override {}
    void moveSprite(int, int, int) override {}
    void showSprite(int) override {}
    void hideSprite(int) override {}
    void setSpritePicture(int, SpriteSource) override {}
    void setLabelText(Label, std::string_view) override {}
    void showBanner() override {}
    void hideBanner() override {}
    void hideTitle() override {}
    void setFrameColor(Frame, Rgb) override {}
    void setTimerInterval(TimerId timer, int ms) override { timers.setInterval(timer, ms); }
    void playEffect(std::string_view) override {}
    void sendMusicCommand(std::string_view) override {}
};

}  // namespace sledloop::bench
