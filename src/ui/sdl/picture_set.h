// Every picture the window shows, paints or copies, taken from the game's
// picture library: the one place where the window meets the artwork.
#pragma once

#include "state/game_state.h"
#include "ui/pictures/pictures.h"
#include "ui/ports.h"

namespace sledloop::sdl {

using Picture = pictures::Image;  // ARGB32, row by row
using PointerPicture = pictures::Pointer;

bool hasTransparency(const Picture& picture);

class PictureSet {
  public:
    static PictureSet load();

    const Picture& tile(Tile tile) const { return pictures::tile(tile); }
    const Picture& sprite(SpriteSource source) const { return pictures::sprite(source); }
    // The icon box of each palette frame: hashi, Picture2, Picture3, Picture4.
    const Picture& paletteIcon(Skill skill) const;
    // Already squeezed to the title picture's box.
    const Picture& title() const { return pictures::titlePictureShown(); }
    const Picture& windowIcon() const { return pictures::windowIcon(48); }
    const PointerPicture& reticle() const { return pictures::reticle(); }
};

}  // namespace sledloop::sdl
