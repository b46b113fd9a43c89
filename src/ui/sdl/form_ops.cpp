#include "ui/sdl/form_ops.h"

#include <new>

namespace sledloop::sdl {

FormOps::FormOps(FormState& form, DrawingSurface& surface, TimerScheduler& timers,
                 const PictureSet& pictures)
    : form_(form), surface_(surface), timers_(timers) {
    for (int t = 0; t < kTileCount; ++t) {
        tiles_[t] = surfaceOf(pictures.tile(static_cast<Tile>(t)));
        if (!tiles_[t]) throw std::bad_alloc();
    }
}

bool FormOps::takeChanged() {
    const bool was = changed_;
    changed_ = false;
    return was;
}

// A slot outside the roster is refused silently, like every rule of the game.
SpriteView* FormOps::sprite(int slot) {
    if (!inRoster(slot)) return nullptr;
    changed_ = true;
    return &form_.sprites[slot];
}

void FormOps::clear() {
    surface_.clear();
    changed_ = true;
}

void FormOps::paint(Tile tile, int x, int y) {
    const int t = static_cast<int>(tile);
    if (t < 0 || t >= kTileCount) return;
    surface_.paint(tiles_[t].get(), x, y);
    changed_ = true;
}

void FormOps::moveSprite(int slot, int left, int top) {
    if (SpriteView* s = sprite(slot)) {
        s->left = left;
        s->top = top;
    }
}

void FormOps::showSprite(int slot) {
    if (SpriteView* s = sprite(slot)) s->visible = true;
}

void FormOps::hideSprite(int slot) {
    if (SpriteView* s = sprite(slot)) s->visible = false;
}

void FormOps::setSpritePicture(int slot, SpriteSource source) {
    // The sources never change, so keeping which one was copied is the copy.
    if (SpriteView* s = sprite(slot)) s->picture = source;
}

void FormOps::setLabelText(Label label, std::string_view text) {
    const int l = static_cast<int>(label);
    if (l < 0 || l >= kLabelCount) return;
    form_.labels[l] = text;
    changed_ = true;
}

void FormOps::showBanner() {
    form_.bannerVisible = true;
    changed_ = true;
}

void FormOps::hideBanner() {
    form_.bannerVisible = false;
    changed_ = true;
}

void FormOps::hideTitle() {
    form_.titleVisible = false;
    changed_ = true;
}

void FormOps::setFrameColor(Frame frame, Rgb color) {
    const int f = static_cast<int>(frame);
    if (f < 0 || f >= kFrameCount) return;
    form_.frameColors[f] = color;
    changed_ = true;
}

void FormOps::setTimerInterval(TimerId timer, int ms) {
    const int t = static_cast<int>(timer);
    if (t < 0 || t >= kTimerCount) return;
    timers_.setInterval(timer, ms);
}

}  // namespace sledloop::sdl
