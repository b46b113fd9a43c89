#include "ui/sdl/picture_set.h"

#include <algorithm>

namespace sledloop::sdl {

bool hasTransparency(const Picture& picture) {
    return std::any_of(picture.pixels.begin(), picture.pixels.end(),
                       [](pictures::Argb px) { return pictures::alphaOf(px) != 0xFF; });
}

PictureSet PictureSet::load() {
    PictureSet set;
    // The title picture is drawn on first use: draw it now rather than on
    // the first frame.
    (void)set.title();
    return set;
}

const Picture& PictureSet::paletteIcon(Skill skill) const {
    switch (skill) {
        case BRIDGE:
            return tile(Tile::hashi);
        case ROCK:
            return pictures::picture2();
        case JUMP:
            return tile(Tile::Picture3);
        case DIG:
            break;
    }
    return tile(Tile::Picture4);
}

}  // namespace sledloop::sdl
