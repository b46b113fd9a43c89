// The window operations on Form1: each changes the controls' state or the
// drawing surface and notes where the window must be drawn anew. An
// operation that changes nothing on screen asks for no frame.
#pragma once

#include <array>

#include "ui/ports.h"
#include "ui/sdl/damage.h"
#include "ui/sdl/drawing_surface.h"
#include "ui/sdl/form_state.h"
#include "ui/sdl/picture_set.h"
#include "ui/timer_scheduler.h"

namespace sledloop::sdl {

class FormOps final : public WindowOps {
  public:
    FormOps(FormState& form, DrawingSurface& surface, TimerScheduler& timers,
            const PictureSet& pictures);

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

    // Where the screen changed since the window last drew; the window clears it.
    Damage& damage() { return damage_; }

  private:
    SpriteView* sprite(int slot);
    void touch(const SpriteView& s);

    FormState& form_;
    DrawingSurface& surface_;
    TimerScheduler& timers_;
    std::array<SurfacePtr, kTileCount> tiles_;
    Damage damage_;
};

}  // namespace sledloop::sdl
