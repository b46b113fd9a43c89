// Painting pictures onto a surface, and the other helpers of pictures.h.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "picture_checks.h"
#include "ui/pictures/pictures.h"
#include "ui/pictures/pixel_art.h"

namespace sledloop::pictures {
namespace {

// A surface whose every pixel differs, so that a stray write shows.
Image patterned(int w, int h) {
    Image surface(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            surface.at(x, y) =
                argb(static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 5),
                     static_cast<std::uint8_t>(x + y));
        }
    }
    return surface;
}

// Each placement as the hover preview might meet it: inside, and cut by every edge.
struct Placement {
    int x, y;
};
void PrintTo(const Placement& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
class PaintOverPicture3 : public ::testing::TestWithParam<Placement> {};

TEST_P(PaintOverPicture3, LeavesTheSurfaceUnchangedUnderItsTransparentPixels) {
    const auto [px, py] = GetParam();
    const Image& arrow = tile(Tile::Picture3);
    const Image before = patterned(80, 60);
    Image surface = before;
    paintOver(surface, arrow, px, py);
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            const int ax = x - px, ay = y - py;
            const bool covered = ax >= 0 && ax < 32 && ay >= 0 && ay < 32;
            if (!covered || alphaOf(arrow.at(ax, ay)) == 0) {
                EXPECT_PIXEL(surface, x, y, before.at(x, y));
            } else {
                EXPECT_PIXEL(surface, x, y, arrow.at(ax, ay));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Placements, PaintOverPicture3,
                         ::testing::Values(Placement{16, 16}, Placement{0, 0}, Placement{-10, 5},
                                           Placement{60, 40}, Placement{20, -20},
                                           Placement{-31, -31}, Placement{79, 59},
                                           Placement{-40, 0}, Placement{100, 100}),
                         [](const ::testing::TestParamInfo<Placement>& info) {
                             auto name = [](int v) {
                                 return (v < 0 ? "minus" : "") + std::to_string(std::abs(v));
                             };
                             return "at_" + name(info.param.x) + "_" + name(info.param.y);
                         });

TEST(PaintOver, BlendsHalfTransparentPixels) {
    Image surface(1, 1, opaque(0x0000FF));
    Image picture(1, 1, argb(0xFF, 0x00, 0x00, 0x80));
    paintOver(surface, picture, 0, 0);
    EXPECT_EQ(alphaOf(surface.at(0, 0)), 0xFF);
    EXPECT_NEAR(redOf(surface.at(0, 0)), 0x80, 1);
    EXPECT_NEAR(blueOf(surface.at(0, 0)), 0x7F, 1);
}

TEST(PaintCopy, ZeroOverAWallLeavesABlackSquare) {
    Image surface(64, 64, kBlack);
    paintCopy(surface, tile(Tile::WALL), 16, 16);
    paintCopy(surface, tile(Tile::ZERO), 16, 16);
    EXPECT_EQ(testing::colorsOf(surface), std::set<Argb>{kBlack});
}

TEST(PaintCopy, HashiReplacesAll32By32Pixels) {
    Image surface(64, 64, kBlack);
    paintCopy(surface, tile(Tile::WALL), 8, 8);
    paintCopy(surface, tile(Tile::hashi), 8, 8);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            EXPECT_PIXEL(surface, 8 + x, 8 + y, tile(Tile::hashi).at(x, y));
    }
}

TEST(PaintCopy, IsClippedAtTheSurfacesEdges) {
    // A tile at x = 928 on the 957-pixel-wide client area shows its left 29 columns.
    Image surface(957, 40, opaque(0x123456));
    paintCopy(surface, tile(Tile::WALL), 928, 8);
    for (int x = 0; x < 29; ++x)
        EXPECT_PIXEL(surface, 928 + x, 8 + 5, tile(Tile::WALL).at(x, 5));
    EXPECT_PIXEL(surface, 927, 13, opaque(0x123456));
    EXPECT_PIXEL(surface, 928, 7, opaque(0x123456));
}

TEST(Mirrored, FlipsLeftToRight) {
    constexpr Ink inks[] = {
        {'a', opaque(0xAA0000)}, {'b', opaque(0x00BB00)}, {'c', opaque(0x0000CC)}};
    constexpr std::string_view art[] = {"abc", "cca"};
    constexpr std::string_view flipped[] = {"cba", "acc"};
    EXPECT_EQ(mirrored(decodeArt(inks, art)), decodeArt(inks, flipped));
}

TEST(Enlarged, RepeatsEachPixel) {
    constexpr Ink inks[] = {{'a', opaque(0xAA0000)}, {'b', opaque(0x00BB00)}};
    constexpr std::string_view art[] = {"ab"};
    constexpr std::string_view big[] = {"aabb", "aabb"};
    EXPECT_EQ(enlarged(decodeArt(inks, art), 2), decodeArt(inks, big));
    EXPECT_THROW(enlarged(decodeArt(inks, art), 0), std::invalid_argument);
}

TEST(DecodeArt, RefusesUnknownCharactersAndRaggedRows) {
    constexpr Ink inks[] = {{'a', opaque(0xAA0000)}};
    constexpr std::string_view unknown[] = {"aa", "ax"};
    constexpr std::string_view ragged[] = {"aa", "a"};
    EXPECT_THROW(decodeArt(inks, unknown), std::invalid_argument);
    EXPECT_THROW(decodeArt(inks, ragged), std::invalid_argument);
}

TEST(Squeeze, AveragesEachTargetPixelsFootprint) {
    Image picture(4, 2);
    const Argb row0[] = {opaque(0x000000), opaque(0x0000FF), opaque(0xFF0000), opaque(0xFF0000)};
    for (int x = 0; x < 4; ++x) {
        picture.at(x, 0) = row0[x];
        picture.at(x, 1) = row0[x];
    }
    const Image half = squeeze(picture, 2, 1);
    EXPECT_PIXEL(half, 0, 0, opaque(0x000080));
    EXPECT_PIXEL(half, 1, 0, opaque(0xFF0000));
}

TEST(Squeeze, KeepsAUniformPictureUniformAtAnyRatio) {
    const Image picture(1280, 960, opaque(0x002600));
    const Image shown = squeeze(picture, 959, 478);
    EXPECT_EQ(testing::colorsOf(shown), std::set<Argb>{opaque(0x002600)});
}

TEST(Squeeze, WeighsColoursByAlpha) {
    // A transparent pixel beside a red one: the average is half-transparent
    // red, not a darkened red.
    Image picture(2, 1);
    picture.at(0, 0) = kTransparent;
    picture.at(1, 0) = opaque(0xFF0000);
    const Argb c = squeeze(picture, 1, 1).at(0, 0);
    EXPECT_EQ(redOf(c), 0xFF);
    EXPECT_NEAR(alphaOf(c), 0x80, 1);
    EXPECT_EQ(squeeze(Image(3, 3, kTransparent), 2, 2), Image(2, 2, kTransparent));
}

}  // namespace
}  // namespace sledloop::pictures
