#include "ui/sdl/sdl_handles.h"

#include <cstring>

namespace sledloop::sdl {

SurfacePtr surfaceOf(const Picture& picture) {
    SurfacePtr surface{SDL_CreateRGBSurfaceWithFormat(0, picture.width, picture.height, 32,
                                                      SDL_PIXELFORMAT_ARGB8888)};
    if (!surface) return surface;
    const auto rowBytes = static_cast<std::size_t>(picture.width) * sizeof(std::uint32_t);
    auto* dst = static_cast<unsigned char*>(surface->pixels);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(dst + static_cast<std::size_t>(y) * surface->pitch,
                    picture.pixels.data() + static_cast<std::size_t>(y) * picture.width, rowBytes);
    SDL_SetSurfaceBlendMode(surface.get(),
                            hasTransparency(picture) ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    return surface;
}

}  // namespace sledloop::sdl
