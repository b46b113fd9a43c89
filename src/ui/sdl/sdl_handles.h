// Owning handles for SDL objects.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

#include "ui/sdl/picture_set.h"

namespace sledloop::sdl {

struct SdlDeleter {
    void operator()(SDL_Window* p) const { SDL_DestroyWindow(p); }
    void operator()(SDL_Renderer* p) const { SDL_DestroyRenderer(p); }
    void operator()(SDL_Texture* p) const { SDL_DestroyTexture(p); }
    void operator()(SDL_Surface* p) const { SDL_FreeSurface(p); }
    void operator()(SDL_Cursor* p) const { SDL_FreeCursor(p); }
    void operator()(TTF_Font* p) const { TTF_CloseFont(p); }
};

using WindowPtr = std::unique_ptr<SDL_Window, SdlDeleter>;
using RendererPtr = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using TexturePtr = std::unique_ptr<SDL_Texture, SdlDeleter>;
using SurfacePtr = std::unique_ptr<SDL_Surface, SdlDeleter>;
using CursorPtr = std::unique_ptr<SDL_Cursor, SdlDeleter>;
using FontPtr = std::unique_ptr<TTF_Font, SdlDeleter>;

// A surface of its own holding a copy of the picture; null when SDL cannot
// allocate one.
SurfacePtr surfaceOf(const Picture& picture);

}  // namespace sledloop::sdl
