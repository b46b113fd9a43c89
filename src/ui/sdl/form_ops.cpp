#include "ui/sdl/form_ops.h"

#include <new>

namespace sledloop::sdl {

namespace {

// Where a label's text shows.
Box labelBox(Label label) {
    for (const CounterLabel& c : kFrame5Labels)
        if (c.label == label) return c.box;
    for (const CounterLabel& c : kFrame6Labels)
        if (c.label == label) return c.box;
    for (int f = 0; f < kFrameCount; ++f)
        if (useLabel(f) == label) return kPalette[f].stock;
    return kBanner;  // Label4
}

}  // namespace

FormOps::FormOps(FormState& form, DrawingSurface& surface, TimerScheduler& timers,
                 const PictureSet& pictures)
    : form_(form), surface_(surface), timers_(timers) {
    for (int t = 0; t < kTileCount; ++t) {
        tiles_[t] = surfaceOf(pictures.tile(static_cast<Tile>(t)));
        if (!tiles_[t]) throw std::bad_alloc();
    }
    // SDL sets up how one surface is copied onto another on the first copy,
    // and allocates for it: done here, so that no hover or tick does it.
    for (const SurfacePtr& tile : tiles_)
        surface_.paint(tile.get(), 0, 0);
    surface_.clear();
}

// A slot outside the roster is refused silently, like every rule of the game.
SpriteView* FormOps::sprite(int slot) {
    return inRoster(slot) ? &form_.sprites[slot] : nullptr;
}

void FormOps::touch(const SpriteView& s) {
    if (s.visible) damage_.add({s.left, s.top, kTileSize, kTileSize});
}

void FormOps::clear() {
    surface_.clear();
    damage_.addAll();
}

void FormOps::paint(Tile tile, int x, int y) {
    const int t = static_cast<int>(tile);
    if (t < 0 || t >= kTileCount) return;
    SDL_Surface* picture = tiles_[t].get();
    surface_.paint(picture, x, y);
    damage_.add({x, y, picture->w, picture->h});
}

void FormOps::moveSprite(int slot, int left, int top) {
    SpriteView* s = sprite(slot);
    if (!s || (s->left == left && s->top == top)) return;
    touch(*s);
    s->left = left;
    s->top = top;
    touch(*s);
}

void FormOps::showSprite(int slot) {
    SpriteView* s = sprite(slot);
    if (!s || s->visible) return;
    s->visible = true;
    touch(*s);
}

void FormOps::hideSprite(int slot) {
    SpriteView* s = sprite(slot);
    if (!s || !s->visible) return;
    touch(*s);
    s->visible = false;
}

void FormOps::setSpritePicture(int slot, SpriteSource source) {
    // The sources never change, so keeping which one was copied is the copy.
    SpriteView* s = sprite(slot);
    if (!s || s->picture == source) return;
    s->picture = source;
    touch(*s);
}

void FormOps::setLabelText(Label label, std::string_view text) {
    const int l = static_cast<int>(label);
    if (l < 0 || l >= kLabelCount || form_.labels[l] == text) return;
    form_.labels[l] = text;
    damage_.add(labelBox(label));
}

void FormOps::showBanner() {
    if (form_.bannerVisible) return;
    form_.bannerVisible = true;
    damage_.add(kBanner);
}

void FormOps::hideBanner() {
    if (!form_.bannerVisible) return;
    form_.bannerVisible = false;
    damage_.add(kBanner);
}

void FormOps::hideTitle() {
    if (!form_.titleVisible) return;
    form_.titleVisible = false;
    damage_.add(kTitle);
}

void FormOps::setFrameColor(Frame frame, Rgb color) {
    const int f = static_cast<int>(frame);
    if (f < 0 || f >= kFrameCount || form_.frameColors[f] == color) return;
    form_.frameColors[f] = color;
    damage_.add(kPalette[f].box);
}

void FormOps::setTimerInterval(TimerId timer, int ms) {
    const int t = static_cast<int>(timer);
    if (t < 0 || t >= kTimerCount) return;
    timers_.setInterval(timer, ms);
}

}  // namespace sledloop::sdl
