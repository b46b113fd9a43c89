// Form1's own drawing surface: persistent pixels under every control. What is
// painted stays until it is cleared, whatever moves over it.
#pragma once

#include "ui/sdl/sdl_handles.h"

namespace sledloop::sdl {

class DrawingSurface {
  public:
    DrawingSurface();  // black, the client area's size; throws std::bad_alloc when SDL cannot
    void clear();
    // Copies the picture unscaled, clipped at the edges; transparent pixels of
    // the picture leave the surface as it was.
    void paint(SDL_Surface* picture, int x, int y);

    SDL_Surface* pixels() const { return surface_.get(); }

  private:
    SurfacePtr surface_;
};

}  // namespace sledloop::sdl
