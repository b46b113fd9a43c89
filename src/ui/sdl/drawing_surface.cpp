#include "ui/sdl/drawing_surface.h"

#include <new>

#include "ui/sdl/form_layout.h"

namespace sledloop::sdl {

DrawingSurface::DrawingSurface()
    : surface_{
          SDL_CreateRGBSurfaceWithFormat(0, kClient.w, kClient.h, 32, SDL_PIXELFORMAT_ARGB8888)} {
    if (!surface_) throw std::bad_alloc();
    SDL_SetSurfaceBlendMode(surface_.get(), SDL_BLENDMODE_NONE);
    clear();
}

void DrawingSurface::clear() {
    SDL_FillRect(surface_.get(), nullptr, SDL_MapRGB(surface_->format, 0, 0, 0));
}

void DrawingSurface::paint(SDL_Surface* picture, int x, int y) {
    if (!picture) return;
    SDL_Rect at{x, y, picture->w, picture->h};
    SDL_BlitSurface(picture, nullptr, surface_.get(), &at);
}

}  // namespace sledloop::sdl
