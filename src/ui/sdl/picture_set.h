// Every picture the window shows, paints or copies, as plain ARGB32 pixels.
// One adapter between the window and wherever the artwork comes from.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "state/game_state.h"
#include "ui/ports.h"

namespace sledloop::sdl {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // row by row, 0xAARRGGBB

    std::uint32_t at(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    bool hasTransparency() const;
};

struct PointerPicture {
    Picture picture;
    int hotX = 0;
    int hotY = 0;
};

class PictureSet {
  public:
    static PictureSet load();

    const Picture& tile(Tile tile) const { return tiles_[static_cast<int>(tile)]; }
    const Picture& sprite(SpriteSource source) const { return sprites_[static_cast<int>(source)]; }
    // The icon box of each palette frame: hashi, Picture2, Picture3, Picture4.
    const Picture& paletteIcon(Skill skill) const;
    // Already squeezed to the title picture's box.
    const Picture& title() const { return title_; }
    const Picture& windowIcon() const { return icon_; }
    const PointerPicture& reticle() const { return reticle_; }

  private:
    std::array<Picture, kTileCount> tiles_;
    std::array<Picture, 3> sprites_;
    Picture picture2_;
    Picture title_;
    Picture icon_;
    PointerPicture reticle_;
};

}  // namespace sledloop::sdl
