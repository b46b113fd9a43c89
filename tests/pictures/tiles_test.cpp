// The tiles and palette icons against the numbers they are drawn to.
#include <gtest/gtest.h>

#include "picture_checks.h"
#include "ui/pictures/pictures.h"

namespace sledloop::pictures {
namespace {

using testing::colorsOf;
using testing::hex;
using testing::isOpaque;

constexpr Argb kBrick = opaque(0x156F30);
constexpr Argb kPlank = opaque(0x206040);
constexpr Argb kArrowFill = opaque(0x00A2E8);
constexpr Argb kArrowOutline = opaque(0x3E48CC);
constexpr Argb kWhite = opaque(0xFFFFFF);
constexpr Argb kBoardGrey = opaque(0xC0C0C0);
constexpr Argb kOutRed = opaque(0xE02040);

TEST(Tiles, EveryTileIs32By32AndAllButPicture3AreOpaque) {
    for (int i = 0; i < kTileCount; ++i) {
        const Tile t = static_cast<Tile>(i);
        const Image& image = tile(t);
        EXPECT_EQ(image.width, 32) << i;
        EXPECT_EQ(image.height, 32) << i;
        EXPECT_EQ(image.pixels.size(), 32u * 32u) << i;
        EXPECT_EQ(isOpaque(image), t != Tile::Picture3) << i;
    }
}

TEST(Tiles, WallHasThreeBrickCoursesWithBlackJoints) {
    const Image& wall = tile(Tile::WALL);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool courseJoint = y == 10 || y == 22;
            const bool brickJoint = x == 15 && (y <= 9 || y >= 23);  // none in the middle course
            EXPECT_PIXEL(wall, x, y, (courseJoint || brickJoint) ? kBlack : kBrick);
        }
    }
}

TEST(Tiles, Picture2IsWallPixelForPixel) {
    EXPECT_EQ(picture2(), tile(Tile::WALL));
    EXPECT_NE(&picture2(), &tile(Tile::WALL));  // its own picture, the same pixels
}

TEST(Tiles, ZeroIsAllOpaqueBlack) {
    EXPECT_EQ(colorsOf(tile(Tile::ZERO)), std::set<Argb>{kBlack});
}

TEST(Tiles, HashiIsAPlankOfSevenRowsOverBlack) {
    const Image& hashi = tile(Tile::hashi);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            EXPECT_PIXEL(hashi, x, y, y <= 6 ? kPlank : kBlack);
    }
}

// The arrow as the design draws it: a head from row 0 that widens by a pixel
// on each side per row until it spans the width at row 15, and a shaft over
// columns 13-19, rows 16-30.
bool inArrow(int x, int y) {
    if (x < 0 || x > 31 || y < 0 || y > 31) return false;
    if (y <= 15) return x >= 15 - y && x <= 16 + y;
    return y <= 30 && x >= 13 && x <= 19;
}

TEST(Tiles, Picture3IsTheBlueArrowWithA1PixelOutline) {
    const Image& arrow = tile(Tile::Picture3);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!inArrow(x, y)) {
                EXPECT_PIXEL(arrow, x, y, kTransparent);  // transparent, stored black
                continue;
            }
            const bool edge = !inArrow(x - 1, y) || !inArrow(x + 1, y) || !inArrow(x, y - 1) ||
                              !inArrow(x, y + 1);
            EXPECT_PIXEL(arrow, x, y, edge ? kArrowOutline : kArrowFill);
        }
    }
}

TEST(Tiles, Picture3MatchesTheDesignsWords) {
    const Image& arrow = tile(Tile::Picture3);
    auto run = [&](int y) {  // first and last non-transparent column of a row
        int first = -1, last = -1;
        for (int x = 0; x < 32; ++x) {
            if (alphaOf(arrow.at(x, y)) == 0) continue;
            if (first < 0) first = x;
            last = x;
        }
        return std::pair{first, last};
    };
    EXPECT_NE(run(0).first, -1) << "the head starts on the top row";
    for (int y = 1; y <= 15; ++y) {
        EXPECT_LT(run(y).first, run(y - 1).first) << "the head widens, row " << y;
        EXPECT_GT(run(y).second, run(y - 1).second) << "the head widens, row " << y;
    }
    EXPECT_EQ(run(15), (std::pair{0, 31})) << "full width at row 15";
    for (int y = 16; y <= 30; ++y)
        EXPECT_EQ(run(y), (std::pair{13, 19})) << "shaft, row " << y;
    EXPECT_EQ(run(31), (std::pair{-1, -1}));
    EXPECT_EQ(colorsOf(arrow), (std::set<Argb>{kTransparent, kArrowFill, kArrowOutline}));
}

TEST(Tiles, IngoIsAnOutSignboardOnTwoLegs) {
    const Image& ingo = tile(Tile::INGO);
    EXPECT_EQ(colorsOf(ingo), (std::set<Argb>{kBlack, kWhite, kBoardGrey, kOutRed}));

    int redTop = 32, redBottom = -1, redLeft = 32, redRight = -1;
    for (int y = 0; y <= 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Argb c = ingo.at(x, y);
            const bool board = x >= 7 && x <= 24 && y >= 1;
            if (!board) {
                EXPECT_PIXEL(ingo, x, y, kBlack);
            } else if (x <= 8 || x >= 23 || y <= 2 || y >= 15) {
                EXPECT_PIXEL(ingo, x, y, kBoardGrey);  // the 2-pixel frame
            } else {
                EXPECT_TRUE(c == kWhite || c == kOutRed) << hex(c) << " at " << x << ", " << y;
            }
            if (c == kOutRed) {
                redTop = std::min(redTop, y);
                redBottom = std::max(redBottom, y);
                redLeft = std::min(redLeft, x);
                redRight = std::max(redRight, x);
            }
        }
    }
    EXPECT_EQ(redBottom - redTop + 1, 7) << "letters 7 pixels high";
    EXPECT_NEAR((redTop + redBottom) / 2.0, 8.5, 1.0) << "across the middle of the board";
    EXPECT_GE(redRight - redLeft + 1, 11) << "three letters across the board";

    // Below the board: two grey legs, one run each per row, reaching the
    // bottom corners.
    for (int y = 17; y < 32; ++y) {
        int runs = 0;
        for (int x = 0; x < 32; ++x) {
            const Argb c = ingo.at(x, y);
            EXPECT_TRUE(c == kBlack || c == kBoardGrey) << hex(c) << " at " << x << ", " << y;
            if (c == kBoardGrey && (x == 0 || ingo.at(x - 1, y) != kBoardGrey)) ++runs;
        }
        EXPECT_EQ(runs, 2) << "row " << y;
    }
    EXPECT_EQ(ingo.at(0, 31), kBoardGrey);
    EXPECT_EQ(ingo.at(31, 31), kBoardGrey);
}

bool greyish(Argb c) {
    const int r = redOf(c), g = greenOf(c), b = blueOf(c);
    return std::abs(r - g) <= 16 && std::abs(g - b) <= 16 && r >= 0x30;
}

TEST(Tiles, OutIsAnExitSignOverAGreyDoubleDoor) {
    const Image& out = tile(Tile::out);
    // The sign: an orange border round a yellow-green field with dark red letters.
    const Argb border = out.at(1, 0), field = out.at(3, 2);
    EXPECT_GT(redOf(border), 0xC0);
    EXPECT_LT(blueOf(border), 0x40);
    EXPECT_GT(greenOf(field), redOf(field));
    EXPECT_GT(redOf(field), blueOf(field) + 0x40);
    int letters = 0;
    for (int y = 1; y < 10; ++y) {
        for (int x = 2; x < 30; ++x) {
            const Argb c = out.at(x, y);
            if (c == field) continue;
            ++letters;
            EXPECT_GT(redOf(c), greenOf(c) * 3) << "dark red letters, at " << x << ", " << y;
            EXPECT_LT(redOf(c), 0xC0);
        }
    }
    EXPECT_GT(letters, 30);
    // The door: grey all across its middle, split down the centre.
    for (int y = 12; y < 32; ++y) {
        for (int x = 5; x <= 26; ++x)
            EXPECT_TRUE(greyish(out.at(x, y))) << x << ", " << y;
    }
    EXPECT_NE(out.at(15, 20), out.at(16, 20)) << "two leaves";
}

TEST(Tiles, Picture4IsAShovelOnWhiteWithAThinDarkRedOutline) {
    const Image& shovel = tile(Tile::Picture4);
    EXPECT_EQ(shovel.at(31, 0), kWhite);
    EXPECT_EQ(shovel.at(0, 31), kWhite);
    const Argb outline = opaque(0x8B1A1A);
    const Argb handle = shovel.at(8, 8), blade = shovel.at(25, 22);
    EXPECT_TRUE(greyish(handle) && redOf(handle) < 0x80) << "dark grey handle " << hex(handle);
    EXPECT_TRUE(greyish(blade) && redOf(blade) > 0xB0) << "light grey blade " << hex(blade);
    int outlinePixels = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Argb c = shovel.at(x, y);
            if (c == outline) ++outlinePixels;
            if (c == kWhite || c == outline) continue;
            // Shovel pixels never touch the white: the outline is all round.
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx > 31 || ny > 31) continue;
                EXPECT_NE(shovel.at(nx, ny), kWhite) << "at " << x << ", " << y;
            }
        }
    }
    EXPECT_GT(outlinePixels, 40);
}

}  // namespace
}  // namespace sledloop::pictures
