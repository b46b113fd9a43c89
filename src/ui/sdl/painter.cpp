#include "ui/sdl/painter.h"

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

TexturePtr textureOf(SDL_Renderer* renderer, const Picture& picture, bool opaque) {
    SurfacePtr surface = surfaceOf(picture);
    TexturePtr texture{surface ? SDL_CreateTextureFromSurface(renderer, surface.get()) : nullptr};
    if (!texture) throw std::runtime_error(std::string("cannot hold a picture: ") + SDL_GetError());
    SDL_SetTextureBlendMode(texture.get(), opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    return texture;
}

}  // namespace

Painter::Painter(SDL_Renderer* renderer, const PictureSet& pictures, const FontSet& fonts)
    : renderer_(renderer), fonts_(fonts) {
    surface_.reset(SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, kClient.w, kClient.h));
    if (!surface_) throw std::runtime_error(std::string("no drawing surface: ") + SDL_GetError());
    SDL_SetTextureBlendMode(surface_.get(), SDL_BLENDMODE_NONE);
    // Sprites are opaque: their black background hides what lies under them.
    for (int s = 0; s < 3; ++s)
        sprites_[s] = textureOf(renderer, pictures.sprite(static_cast<SpriteSource>(s)), true);
    title_ = textureOf(renderer, pictures.title(), true);
    for (int k = 0; k < kSkillCount; ++k)
        icons_[k] = textureOf(renderer, pictures.paletteIcon(static_cast<Skill>(k)), false);
}

void Painter::fill(const Box& box, Rgb color) {
    SDL_SetRenderDrawColor(renderer_, color.r, color.g, color.b, 0xFF);
    const SDL_Rect r = rect(box);
    SDL_RenderFillRect(renderer_, &r);
}

void Painter::outline(const Box& box, Rgb color) {
    SDL_SetRenderDrawColor(renderer_, color.r, color.g, color.b, 0xFF);
    const SDL_Rect r = rect(box);
    SDL_RenderDrawRect(renderer_, &r);
}

void Painter::bevel(const Box& b, Rgb topLeft, Rgb bottomRight) {
    const int right = b.x + b.w - 1;
    const int bottom = b.y + b.h - 1;
    SDL_SetRenderDrawColor(renderer_, topLeft.r, topLeft.g, topLeft.b, 0xFF);
    SDL_RenderDrawLine(renderer_, b.x, b.y, right - 1, b.y);
    SDL_RenderDrawLine(renderer_, b.x, b.y, b.x, bottom - 1);
    SDL_SetRenderDrawColor(renderer_, bottomRight.r, bottomRight.g, bottomRight.b, 0xFF);
    SDL_RenderDrawLine(renderer_, b.x, bottom, right, bottom);
    SDL_RenderDrawLine(renderer_, right, b.y, right, bottom);
}

const Painter::Text& Painter::rendered(int slot, FontRole role, Rgb color,
                                       const std::string& value) {
    Text& cached = texts_[slot];
    if (cached.texture && cached.text == value) return cached;
    cached = Text{value, nullptr, 0, 0};
    if (value.empty()) return cached;
    SurfacePtr surface{TTF_RenderUTF8_Blended(fonts_.get(role), value.c_str(),
                                              SDL_Color{color.r, color.g, color.b, 0xFF})};
    if (!surface) return cached;  // nothing to show is better than stopping the game
    cached.texture.reset(SDL_CreateTextureFromSurface(renderer_, surface.get()));
    cached.w = surface->w;
    cached.h = surface->h;
    return cached;
}

void Painter::text(int slot, FontRole role, Rgb color, const std::string& value, const Box& box,
                   Align align) {
    const Text& t = rendered(slot, role, color, value);
    if (!t.texture) return;
    int x = box.x;
    if (align == Align::Center) x = box.x + (box.w - t.w) / 2;
    if (align == Align::Right) x = box.x + box.w - t.w;
    const SDL_Rect clip = rect(box);
    const SDL_Rect at{x, box.y, t.w, t.h};
    SDL_RenderSetClipRect(renderer_, &clip);
    SDL_RenderCopy(renderer_, t.texture.get(), nullptr, &at);
    SDL_RenderSetClipRect(renderer_, nullptr);
}

void Painter::drawSurface(const DrawingSurface& surface) {
    if (surface.version() != surfaceVersion_) {
        SDL_Surface* pixels = surface.pixels();
        SDL_UpdateTexture(surface_.get(), nullptr, pixels->pixels, pixels->pitch);
        surfaceVersion_ = surface.version();
    }
    SDL_RenderCopy(renderer_, surface_.get(), nullptr, nullptr);
}

void Painter::drawLightweights(const FormState& form) {
    for (auto entry = kFrontToBack.rbegin(); entry != kFrontToBack.rend(); ++entry) {
        switch (entry->layer) {
            case Layer::Sprite: {
                const SpriteView& s = form.sprites[entry->slot];
                if (!s.visible) break;
                const SDL_Rect at{s.left, s.top, kTileSize, kTileSize};
                SDL_RenderCopy(renderer_, sprites_[static_cast<int>(s.picture)].get(), nullptr,
                               &at);
                break;
            }
            case Layer::Title:
                if (form.titleVisible) {
                    const SDL_Rect at = rect(kTitle);
                    SDL_RenderCopy(renderer_, title_.get(), nullptr, &at);
                }
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
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0xFF);
    const int fx0 = b.x + 4, fy0 = b.y + 4, fx1 = b.x + b.w - 5, fy1 = b.y + b.h - 5;
    for (int x = fx0; x <= fx1; x += 2) {
        SDL_RenderDrawPoint(renderer_, x, fy0);
        SDL_RenderDrawPoint(renderer_, x, fy1);
    }
    for (int y = fy0; y <= fy1; y += 2) {
        SDL_RenderDrawPoint(renderer_, fx0, y);
        SDL_RenderDrawPoint(renderer_, fx1, y);
    }
}

void Painter::drawPanel(const FormState& form, bool command1Down) {
    fill(kPanel, kPanelColor);
    bevel(kPanel, kShadow, kWhite);
    bevel({kPanel.x + 1, kPanel.y + 1, kPanel.w - 2, kPanel.h - 2}, kDarkShadow, kLight);
    // Back to front: Command1, Frame5, Frame6; each frame's labels over it.
    drawCommand1(command1Down);
    drawCounterFrame(kFrame5, Frame5Caption, kFrame5Caption);
    for (auto l = kFrame5Lines.rbegin(); l != kFrame5Lines.rend(); ++l) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0xFF);
        SDL_RenderDrawLine(renderer_, l->x, l->y1, l->x, l->y2 - 1);
    }
    for (auto c = kFrame5Labels.rbegin(); c != kFrame5Labels.rend(); ++c) {
        fill(c->box, kBlack);
        text(LabelTexts + static_cast<int>(c->label), FontRole::Counter, kWhite,
             form.label(c->label), c->box, Align::Right);
    }
    drawCounterFrame(kFrame6, Frame6Caption, kFrame6Caption);
    for (auto l = kFrame6Lines.rbegin(); l != kFrame6Lines.rend(); ++l) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0xFF);
        SDL_RenderDrawLine(renderer_, l->x, l->y1, l->x, l->y2 - 1);
    }
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
    const SDL_Rect at{inside.x, inside.y, kTileSize, kTileSize};
    SDL_RenderCopy(renderer_, icons_[f].get(), nullptr, &at);
}

void Painter::draw(const FormState& form, const DrawingSurface& surface, bool command1Down) {
    SDL_RenderSetClipRect(renderer_, nullptr);
    drawSurface(surface);
    drawLightweights(form);
    drawPanel(form, command1Down);
    for (auto f = kPaletteFrontToBack.rbegin(); f != kPaletteFrontToBack.rend(); ++f)
        drawPaletteFrame(form, static_cast<int>(*f));
}

}  // namespace sledloop::sdl
