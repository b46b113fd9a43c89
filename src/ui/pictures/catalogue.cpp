#include "ui/pictures/pictures.h"

namespace sledloop::pictures {

std::vector<NamedPicture> allPictures() {
    return {
        {"WALL", "WALL: brick", &tile(Tile::WALL)},
        {"INGO", "INGO: entrance", &tile(Tile::INGO)},
        {"out", "out: exit", &tile(Tile::out)},
        {"ZERO", "ZERO: blank", &tile(Tile::ZERO)},
        {"hashi", "hashi: BRIDGE", &tile(Tile::hashi)},
        {"Picture2", "Picture2: ROCK", &picture2()},
        {"Picture3", "Picture3: JUMP", &tile(Tile::Picture3)},
        {"Picture4", "Picture4: DIG", &tile(Tile::Picture4)},
        {"santa0", "santa(0): walking right", &sprite(SpriteSource::santa0)},
        {"santa20", "santa(20): walking left", &sprite(SpriteSource::santa20)},
        {"santaS", "santaS: falling", &sprite(SpriteSource::santaS)},
        {"icon48", "icon 48", &windowIcon(48)},
        {"icon32", "icon 32", &windowIcon(32)},
        {"icon16", "icon 16", &windowIcon(16)},
        {"reticle", "reticle pointer", &reticle().image},
        {"title", "title picture 1280 x 960", &titlePicture()},
        {"title-shown", "title picture as shown, 959 x 478", &titlePictureShown()},
    };
}

}  // namespace sledloop::pictures
