// Every picture of the game, made by the program itself: the tiles
// and palette icons, the three santa pictures, the title picture, the window
// icon and the reticle pointer. Plain pixels, no SDL: the window turns them
// into textures, the tools into PNG files, the tests read them directly.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/ports.h"

namespace sledloop::pictures {

// 0xAARRGGBB, straight (not premultiplied) alpha. The same layout as
// SDL_PIXELFORMAT_ARGB8888 read as 32-bit words.
using Argb = std::uint32_t;

constexpr Argb argb(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 0xFF) {
    return (Argb{a} << 24) | (Argb{r} << 16) | (Argb{g} << 8) | Argb{b};
}
constexpr Argb opaque(std::uint32_t rgb) {
    return 0xFF000000u | rgb;
}
constexpr std::uint8_t alphaOf(Argb c) {
    return static_cast<std::uint8_t>(c >> 24);
}
constexpr std::uint8_t redOf(Argb c) {
    return static_cast<std::uint8_t>(c >> 16);
}
constexpr std::uint8_t greenOf(Argb c) {
    return static_cast<std::uint8_t>(c >> 8);
}
constexpr std::uint8_t blueOf(Argb c) {
    return static_cast<std::uint8_t>(c);
}

inline constexpr Argb kBlack = opaque(0x000000);
inline constexpr Argb kTransparent = 0x00000000;  // Picture3's "stored colour black"

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Argb> pixels;  // row-major, width * height

    Image() = default;
    Image(int w, int h, Argb fill = kTransparent);

    // (x, y) must lie inside the picture.
    Argb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Argb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }

    friend bool operator==(const Image&, const Image&) = default;
};

inline constexpr int kTileSize = 32;  // every tile and sprite picture is 32 x 32
inline constexpr int kTitleWidth = 1280;
inline constexpr int kTitleHeight = 960;
inline constexpr int kTitleShownWidth = 959;  // the box of Image1
inline constexpr int kTitleShownHeight = 478;
inline constexpr int kIconSizes[] = {48, 32, 16};

// The holders' pictures, painted onto the field. All opaque except Picture3.
const Image& tile(Tile holder);
// The ROCK palette icon: WALL, pixel for pixel.
const Image& picture2();
// santa0: walking right; santa20: its exact mirror; santaS: falling.
const Image& sprite(SpriteSource source);

// 1280 x 960. Made once, on the first call of either function.
const Image& titlePicture();
// The title picture squeezed to 959 x 478, as Image1 shows it.
const Image& titlePictureShown();

// size is 48, 32 or 16; anything else throws std::invalid_argument.
const Image& windowIcon(int size);

struct Pointer {
    Image image;
    int hotX = 0;
    int hotY = 0;
};
// 32 x 32, transparent but for the yellow lines; hot spot at the centre.
const Pointer& reticle();

// Composites picture over surface with its top-left corner at (x, y), clipped
// at the surface's edges: fully transparent pixels leave the surface as it
// was, opaque ones replace it, the rest blend.
void paintOver(Image& surface, const Image& picture, int x, int y);
// Copies picture's pixels onto surface unchanged (alpha included), clipped.
void paintCopy(Image& surface, const Image& picture, int x, int y);

// Left to right, pixel for pixel.
Image mirrored(const Image& picture);
// Resamples to w x h by averaging each target pixel's exact footprint (a box
// filter in both directions, weighted by premultiplied alpha): sharp enough
// for a 4:3 to 2:1 squeeze, free of the aliasing of nearest-neighbour.
Image squeeze(const Image& picture, int w, int h);
// Nearest-neighbour enlargement by an integer factor.
Image enlarged(const Image& picture, int factor);

// Every picture under the name the design gives it, for the tool and the tests.
struct NamedPicture {
    std::string_view name;  // also the PNG file's name, without ".png"
    std::string_view caption;
    const Image* image;
};
std::vector<NamedPicture> allPictures();

}  // namespace sledloop::pictures
