#include "ui/sdl/picture_set.h"

#include <algorithm>

namespace sledloop::sdl {

namespace {

constexpr std::uint32_t kOpaqueBlack = 0xFF000000;

Picture filled(int w, int h, std::uint32_t argb) {
    return {w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, argb)};
}

void fillRect(Picture& p, int x0, int y0, int x1, int y1, std::uint32_t argb) {
    for (int y = std::max(y0, 0); y <= std::min(y1, p.height - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, p.width - 1); ++x)
            p.argb[static_cast<std::size_t>(y) * p.width + x] = argb;
}

// Stand-ins of the right sizes and transparency until the artwork lands.
Picture wallTile() {
    Picture p = filled(32, 32, 0xFF156F30);
    fillRect(p, 0, 10, 31, 10, kOpaqueBlack);
    fillRect(p, 0, 22, 31, 22, kOpaqueBlack);
    fillRect(p, 15, 0, 15, 9, kOpaqueBlack);
    fillRect(p, 15, 23, 15, 31, kOpaqueBlack);
    return p;
}

Picture entranceTile() {
    Picture p = filled(32, 32, kOpaqueBlack);
    fillRect(p, 7, 1, 24, 16, 0xFFC0C0C0);
    fillRect(p, 9, 3, 22, 14, 0xFFFFFFFF);
    fillRect(p, 11, 6, 20, 12, 0xFFE02040);
    return p;
}

Picture exitTile() {
    Picture p = filled(32, 32, 0xFFFF8000);
    fillRect(p, 2, 2, 29, 12, 0xFFC0E040);
    fillRect(p, 2, 14, 29, 31, 0xFF808080);
    return p;
}

Picture plankTile() {
    Picture p = filled(32, 32, kOpaqueBlack);
    fillRect(p, 0, 0, 31, 6, 0xFF206040);
    return p;
}

Picture shovelTile() {
    Picture p = filled(32, 32, 0xFFFFFFFF);
    for (int i = 0; i < 18; ++i)
        fillRect(p, i, i, i + 1, i + 1, 0xFF404040);
    fillRect(p, 18, 18, 29, 29, 0xFFC0C0C0);
    return p;
}

Picture arrowTile() {
    Picture p = filled(32, 32, 0x00000000);
    for (int y = 0; y <= 15; ++y)
        fillRect(p, 15 - y, y, 16 + y, y, 0xFF00A2E8);
    fillRect(p, 13, 16, 19, 30, 0xFF00A2E8);
    return p;
}

Picture santaRight() {
    Picture p = filled(32, 32, kOpaqueBlack);
    fillRect(p, 4, 10, 10, 24, 0xFFFFFFFF);   // sack
    fillRect(p, 11, 2, 24, 7, 0xFFE00000);    // cap
    fillRect(p, 11, 8, 24, 27, 0xFFD01010);   // suit
    fillRect(p, 11, 20, 24, 21, 0xFF804000);  // belt
    fillRect(p, 12, 28, 23, 31, 0xFF603000);  // boots
    return p;
}

Picture mirrored(const Picture& p) {
    Picture m = p;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            m.argb[static_cast<std::size_t>(y) * p.width + x] = p.at(p.width - 1 - x, y);
    return m;
}

Picture santaFront() {
    Picture p = filled(32, 32, kOpaqueBlack);
    fillRect(p, 9, 1, 22, 6, 0xFFE00000);
    fillRect(p, 10, 7, 21, 12, 0xFFFFD0B0);
    fillRect(p, 8, 13, 23, 27, 0xFFD01010);
    fillRect(p, 9, 28, 22, 31, 0xFF808080);
    return p;
}

Picture titlePicture() {
    Picture p = filled(959, 478, 0xFF002600);
    fillRect(p, 40, 40, 300, 110, 0xFFD00000);
    return p;
}

Picture iconPicture() {
    Picture p = filled(32, 32, kOpaqueBlack);
    fillRect(p, 2, 2, 29, 29, 0xFF40FF40);
    fillRect(p, 5, 5, 26, 26, kOpaqueBlack);
    fillRect(p, 10, 8, 21, 13, 0xFFE00000);
    fillRect(p, 10, 14, 21, 23, 0xFFFFFFFF);
    return p;
}

PointerPicture reticlePointer() {
    constexpr std::uint32_t yellow = 0xFFFFF200;
    Picture p = filled(32, 32, 0x00000000);
    fillRect(p, 1, 1, 8, 1, yellow);
    fillRect(p, 1, 1, 1, 8, yellow);
    fillRect(p, 23, 1, 30, 1, yellow);
    fillRect(p, 30, 1, 30, 8, yellow);
    fillRect(p, 1, 30, 8, 30, yellow);
    fillRect(p, 1, 23, 1, 30, yellow);
    fillRect(p, 23, 30, 30, 30, yellow);
    fillRect(p, 30, 23, 30, 30, yellow);
    fillRect(p, 13, 16, 19, 16, yellow);
    fillRect(p, 16, 14, 16, 18, yellow);
    return {p, 16, 16};
}

}  // namespace

bool Picture::hasTransparency() const {
    return std::any_of(argb.begin(), argb.end(),
                       [](std::uint32_t px) { return (px >> 24) != 0xFF; });
}

PictureSet PictureSet::load() {
    PictureSet set;
    set.tiles_[static_cast<int>(Tile::WALL)] = wallTile();
    set.tiles_[static_cast<int>(Tile::INGO)] = entranceTile();
    set.tiles_[static_cast<int>(Tile::out)] = exitTile();
    set.tiles_[static_cast<int>(Tile::ZERO)] = filled(32, 32, kOpaqueBlack);
    set.tiles_[static_cast<int>(Tile::hashi)] = plankTile();
    set.tiles_[static_cast<int>(Tile::Picture3)] = arrowTile();
    set.tiles_[static_cast<int>(Tile::Picture4)] = shovelTile();
    set.sprites_[static_cast<int>(SpriteSource::santa0)] = santaRight();
    set.sprites_[static_cast<int>(SpriteSource::santa20)] = mirrored(santaRight());
    set.sprites_[static_cast<int>(SpriteSource::santaS)] = santaFront();
    set.picture2_ = wallTile();
    set.title_ = titlePicture();
    set.icon_ = iconPicture();
    set.reticle_ = reticlePointer();
    return set;
}

const Picture& PictureSet::paletteIcon(Skill skill) const {
    switch (skill) {
        case BRIDGE:
            return tile(Tile::hashi);
        case ROCK:
            return picture2_;
        case JUMP:
            return tile(Tile::Picture3);
        case DIG:
            break;
    }
    return tile(Tile::Picture4);
}

}  // namespace sledloop::sdl
