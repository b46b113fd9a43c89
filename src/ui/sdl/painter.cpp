#include "ui/sdl/painter.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace sledloop::sdl {

namespace {

constexpr Rgb kButtonFace{0xD4, 0xD0, 0xC8};
constexpr Rgb kShadow{0x80, 0x80, 0x80};
constexpr Rgb kDarkShadow{0x40, 0x40, 0x40};
constexpr Rgb kLight{0xE4, 0xE2, 0xDE};

SDL_Rect rect(const Box& b) {
    return {b.x, b.y, b.w, b.h};
}

// A surface over the picture's own pixels: SDL only reads them, and they
// live as long as the program, so nothing is copied. The title alone would
// be 1.8 MB to fill at start-up.
SurfacePtr viewOf(const Picture& picture, bool opaque) {
    SurfacePtr surface{SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<pictures::Argb*>(picture.pixels.data()), picture.width, picture.height, 32,
        picture.width * static_cast<int>(sizeof(pictures::Argb)), SDL_PIXELFORMAT_ARGB8888)};
    if (!surface) throw std::runtime_error(std::string("cannot hold a picture: ") + SDL_GetError());
    SDL_SetSurfaceBlendMode(surface.get(), opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    return surface;
}

}  // namespace

Painter::Painter(SDL_Window* window, const PictureSet& pictures, const FontSet& fonts)
    : window_(window), fonts_(fonts) {
    // Sprites are opaque: their black background hides what lies under them.
    for (int s = 0; s < 3; ++s)
        sprites_[s] = viewOf(pictures.sprite(static_cast<SpriteSource>(s)), true);
    title_ = viewOf(pictures.title(), true);
    for (int k = 0; k < kSkillCount; ++k)
        icons_[k] = viewOf(pictures.paletteIcon(static_cast<Skill>(k)), false);
}

void Painter::fill(const Box& box, Rgb color) {
    if (!overlaps(box, clip_)) return;
    const SDL_Rect r = rect(box);
    SDL_FillRect(target_, &r, SDL_MapRGB(target_->format, color.r, color.g, color.b));
}

// Lines are one pixel wide and take in both ends.
void Painter::line(int x1, int y1, int x2, int y2, Rgb color) {
    fill({std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1}, color);
}

void Painter::outline(const Box& b, Rgb color) {
    const int right = b.x + b.w - 1;
    const int bottom = b.y + b.h - 1;
    line(b.x, b.y, right, b.y, color);
    line(right, b.y, right, bottom, color);
    line(right, bottom, b.x, bottom, color);
    line(b.x, bottom, b.x, b.y, color);
}

void Painter::bevel(const Box& b, Rgb topLeft, Rgb bottomRight) {
    const int right = b.x + b.w - 1;
    const int bottom = b.y + b.h - 1;
    line(b.x, b.y, right - 1, b.y, topLeft);
    line(b.x, b.y, b.x, bottom - 1, topLeft);
    line(b.x, bottom, right, bottom, bottomRight);
    line(right, b.y, right, bottom, bottomRight);
}

void Painter::copy(SDL_Surface* picture, const Box& at) {
    if (!overlaps(at, clip_)) return;
    SDL_Rect r = rect(at);
    SDL_BlitSurface(picture, nullptr, target_, &r);
}

const Painter::Text& Painter::rendered(int slot, FontRole role, Rgb color,
                                       const std::string& value) {
    Text& cached = texts_[slot];
    if (cached.surface && cached.text == value) return cached;
    cached = Text{value, nullptr, 0, 0};
    if (value.empty()) return cached;
    cached.surface.reset(TTF_RenderUTF8_Blended(fonts_.get(role), value.c_str(),
                                                SDL_Color{color.r, color.g, color.b, 0xFF}));
    if (!cached.surface) return cached;  // nothing to show is better than stopping the game
    cached.w = cached.surface->w;
    cached.h = cached.surface->h;
    return cached;
}

void Painter::text(int slot, FontRole role, Rgb color, const std::string& value, const Box& box,
                   Align align) {
    const Box shown = intersection(box, clip_);
    if (shown.w == 0 || shown.h == 0) return;
    const Text& t = rendered(slot, role, color, value);
    if (!t.surface) return;
    int x = box.x;
    if (align == Align::Center) x = box.x + (box.w - t.w) / 2;
    if (align == Align::Right) x = box.x + box.w - t.w;
    const SDL_Rect within = rect(shown);
    SDL_Rect at{x, box.y, t.w, t.h};
    SDL_SetClipRect(target_, &within);
    SDL_BlitSurface(t.surface.get(), nullptr, target_, &at);
    const SDL_Rect back = rect(clip_);
    SDL_SetClipRect(target_, &back);
}

void Painter::drawSurface(const DrawingSurface& surface) {
    SDL_Rect from = rect(clip_);
    SDL_Rect to = from;
    SDL_BlitSurface(surface.pixels(), &from, target_, &to);
}

void Painter::drawLightweights(const FormState& form) {
    for (auto entry = kFrontToBack.rbegin(); entry != kFrontToBack.rend(); ++entry) {
        switch (entry->layer) {
            case Layer::Sprite: {
                const SpriteView& s = form.sprites[entry->slot];
                if (s.visible)
                    copy(sprites_[static_cast<int>(s.picture)].get(),
                         {s.left, s.top, kTileSize, kTileSize});
                break;
            }
            case Layer::Title:
                if (form.titleVisible) copy(title_.get(), kTitle);
                break;
            case Layer::Banner:
                if (form.bannerVisible) {
                    fill(kBanner, kBlack);
                    text(LabelTexts + static_cast<int>(Label::Label4), FontRole::Counter,
                         kBannerColor, form.label(Label::Label4), kBanner, Align::Center);
                }
                break;
        }
    }
}

void Painter::drawCounterFrame(const Box& box, int captionSlot, const char* caption) {
    fill(box, kCounterFrameColor);
    const Text& t = rendered(captionSlot, FontRole::FrameCaption, kWhite, caption);
    const int top = box.y + t.h / 2;
    outline({box.x, top, box.w, box.h - (top - box.y)}, kBlack);
    fill({box.x + 6, box.y, t.w + 4, t.h}, kCounterFrameColor);
    text(captionSlot, FontRole::FrameCaption, kWhite, caption, {box.x + 8, box.y, t.w, t.h},
         Align::Left);
}

void Painter::drawCommand1(bool down) {
    const Box& b = kCommand1;
    fill(b, kButtonFace);
    // It holds the keyboard focus: a dark frame around it and a dotted
    // rectangle inside.
    outline(b, kBlack);
    const Box inner{b.x + 1, b.y + 1, b.w - 2, b.h - 2};
    if (down) {
        outline(inner, kShadow);
    } else {
        bevel(inner, kWhite, kDarkShadow);
        bevel({inner.x + 1, inner.y + 1, inner.w - 2, inner.h - 2}, kLight, kShadow);
    }
    const Text& t = rendered(Command1Caption, FontRole::Button, kBlack, kCommand1Caption);
    const int shift = down ? 1 : 0;
    text(Command1Caption, FontRole::Button, kBlack, kCommand1Caption,
         {b.x + shift, b.y + (b.h - t.h) / 2 + shift, b.w, t.h}, Align::Center);
    const int fx0 = b.x + 4, fy0 = b.y + 4, fx1 = b.x + b.w - 5, fy1 = b.y + b.h - 5;
    for (int x = fx0; x <= fx1; x += 2) {
        fill({x, fy0, 1, 1}, kBlack);
        fill({x, fy1, 1, 1}, kBlack);
    }
    for (int y = fy0; y <= fy1; y += 2) {
        fill({fx0, y, 1, 1}, kBlack);
        fill({fx1, y, 1, 1}, kBlack);
    }
}

void Painter::drawPanel(const FormState& form, bool command1Down) {
    fill(kPanel, kPanelColor);
    bevel(kPanel, kShadow, kWhite);
    bevel({kPanel.x + 1, kPanel.y + 1, kPanel.w - 2, kPanel.h - 2}, kDarkShadow, kLight);
    // Back to front: Command1, Frame5, Frame6; each frame's labels over it.
    drawCommand1(command1Down);
    drawCounterFrame(kFrame5, Frame5Caption, kFrame5Caption);
    for (auto l = kFrame5Lines.rbegin(); l != kFrame5Lines.rend(); ++l)
        line(l->x, l->y1, l->x, l->y2 - 1, kBlack);
    for (auto c = kFrame5Labels.rbegin(); c != kFrame5Labels.rend(); ++c) {
        fill(c->box, kBlack);
        text(LabelTexts + static_cast<int>(c->label), FontRole::Counter, kWhite,
             form.label(c->label), c->box, Align::Right);
    }
    drawCounterFrame(kFrame6, Frame6Caption, kFrame6Caption);
    for (auto l = kFrame6Lines.rbegin(); l != kFrame6Lines.rend(); ++l)
        line(l->x, l->y1, l->x, l->y2 - 1, kBlack);
    for (auto c = kFrame6Labels.rbegin(); c != kFrame6Labels.rend(); ++c) {
        fill(c->box, kBlack);
        text(LabelTexts + static_cast<int>(c->label), FontRole::Counter, kWhite,
             form.label(c->label), c->box, Align::Right);
    }
}

void Painter::drawPaletteFrame(const FormState& form, int f) {
    const PaletteFrame& p = kPalette[f];
    const Rgb back = form.frameColors[f];
    fill(p.box, back);
    const int captionSlot = PaletteCaptions + f;
    const Text& t =
        rendered(captionSlot, FontRole::PaletteCaption, kPaletteCaptionColor, p.caption);
    const int top = p.box.y + t.h / 2;
    const Box border{p.box.x, top, p.box.w, p.box.h - (top - p.box.y)};
    // Etched: a grey groove with a white line inside it.
    outline({border.x, border.y, border.w - 1, border.h - 1}, kShadow);
    outline({border.x + 1, border.y + 1, border.w - 1, border.h - 1}, kWhite);
    fill({p.box.x + 6, p.box.y, t.w + 4, t.h}, back);
    text(captionSlot, FontRole::PaletteCaption, kPaletteCaptionColor, p.caption,
         {p.box.x + 8, p.box.y, t.w, t.h}, Align::Left);

    const Label use = useLabel(f);
    fill(p.stock, kStockBack);
    text(LabelTexts + static_cast<int>(use), FontRole::Stock, kStockColor, form.label(use), p.stock,
         Align::Center);

    outline(p.icon, kBlack);
    const Box inside{p.icon.x + 1, p.icon.y + 1, p.icon.w - 2, p.icon.h - 2};
    fill(inside, kIconBack);
    copy(icons_[f].get(), {inside.x, inside.y, kTileSize, kTileSize});
}

void Painter::compose(const FormState& form, const DrawingSurface& surface, bool command1Down,
                      const Box& clip) {
    clip_ = clip;
    const SDL_Rect r = rect(clip);
    SDL_SetClipRect(target_, &r);
    drawSurface(surface);
    drawLightweights(form);
    if (overlaps(kPanel, clip)) drawPanel(form, command1Down);
    for (auto f = kPaletteFrontToBack.rbegin(); f != kPaletteFrontToBack.rend(); ++f) {
        const int i = static_cast<int>(*f);
        if (overlaps(kPalette[i].box, clip)) drawPaletteFrame(form, i);
    }
}

void Painter::present(const FormState& form, const DrawingSurface& surface, bool command1Down,
                      const Damage& damage) {
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    // A window surface made anew (or none to be had) holds none of the last frame.
    const bool whole = damage.all() || target != target_;
    target_ = target;
    if (!target_) return;
    if (whole) {
        compose(form, surface, command1Down, kClient);
        SDL_UpdateWindowSurface(window_);
        return;
    }
    std::array<SDL_Rect, Damage::kMaxBoxes> rects;
    int count = 0;
    for (const Box& box : damage.boxes()) {
        compose(form, surface, command1Down, box);
        rects[count++] = rect(box);
    }
    SDL_UpdateWindowSurfaceRects(window_, rects.data(), count);
}

}  // namespace sledloop::sdl
