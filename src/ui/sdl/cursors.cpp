#include "ui/sdl/cursors.h"

namespace sledloop::sdl {

namespace {

CursorPtr colorCursor(const Picture& picture, int hotX, int hotY) {
    SurfacePtr surface = surfaceOf(picture);
    return CursorPtr{surface ? SDL_CreateColorCursor(surface.get(), hotX, hotY) : nullptr};
}

}  // namespace

PointerKind pointerFor(Hit hit) {
    switch (hit.target) {
        case Target::Surface:
        case Target::Banner:
            return PointerKind::Reticle;
        case Target::Sprite:
            return PointerKind::Icon;
        case Target::PaletteStock:
            return hit.index == static_cast<int>(ROCK) ? PointerKind::IBeam : PointerKind::Arrow;
        default:
            return PointerKind::Arrow;
    }
}

Picture iconPointerPicture() {
    constexpr int size = 32;
    Picture p(size, size, pictures::kTransparent);
    auto square = [&p](int lo, int hi, bool fill) {
        for (int y = lo; y <= hi; ++y) {
            for (int x = lo; x <= hi; ++x) {
                const bool edge = x == lo || x == hi || y == lo || y == hi;
                if (edge)
                    p.pixels[y * size + x] = 0xFF000000;
                else if (fill)
                    p.pixels[y * size + x] = 0xFFFFFFFF;
            }
        }
    };
    // Black outlines on white, so the pointer shows on any ground.
    square(8, 23, true);
    square(12, 19, false);
    return p;
}

Cursors::Cursors(const PictureSet& pictures) {
    const PointerPicture& reticle = pictures.reticle();
    cursors_[static_cast<int>(PointerKind::Reticle)] =
        colorCursor(reticle.image, reticle.hotX, reticle.hotY);
    cursors_[static_cast<int>(PointerKind::Icon)] = colorCursor(iconPointerPicture(), 16, 16);
    cursors_[static_cast<int>(PointerKind::Arrow)] =
        CursorPtr{SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW)};
    cursors_[static_cast<int>(PointerKind::IBeam)] =
        CursorPtr{SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_IBEAM)};
}

void Cursors::show(PointerKind kind) {
    if (any_ && kind == shown_) return;
    shown_ = kind;
    any_ = true;
    // A driver without pointers (offscreen) gives none: the choice is still kept.
    if (SDL_Cursor* cursor = cursors_[static_cast<int>(kind)].get()) SDL_SetCursor(cursor);
}

}  // namespace sledloop::sdl
