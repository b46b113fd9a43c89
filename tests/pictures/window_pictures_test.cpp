// The window's pictures: the icon, the reticle pointer and the title picture.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <tuple>

#include "picture_checks.h"
#include "ui/pictures/pictures.h"

namespace sledloop::pictures {
namespace {

using testing::hex;
using testing::isOpaque;

TEST(WindowIcon, ComesIn48_32And16PixelsWithNoTransparentPixel) {
    for (int size : kIconSizes) {
        const Image& icon = windowIcon(size);
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
        EXPECT_TRUE(isOpaque(icon)) << size;
        EXPECT_EQ(icon.at(0, 0), kBlack) << "on black, " << size;
    }
    EXPECT_THROW(windowIcon(24), std::invalid_argument);
    EXPECT_THROW(windowIcon(0), std::invalid_argument);
}

TEST(WindowIcon, ShowsASantasFaceInsideABrightGreenRing) {
    for (int size : kIconSizes) {
        const Image& icon = windowIcon(size);
        // Bright green all round, on a circle near the edge.
        for (int step = 0; step < 16; ++step) {
            const double angle = step * 2 * 3.14159265358979 / 16;
            const int x = static_cast<int>(size / 2.0 + size * 0.43 * std::cos(angle));
            const int y = static_cast<int>(size / 2.0 + size * 0.43 * std::sin(angle));
            const Argb c = icon.at(x, y);
            // The cap's bobble may lie over the ring at the upper right.
            if (redOf(c) > 0xE0 && blueOf(c) > 0xE0) continue;
            EXPECT_GT(greenOf(c), 0xC0) << size << " at " << x << ", " << y << ": " << hex(c);
            EXPECT_GT(greenOf(c), redOf(c) + 0x30) << size << " at " << x << ", " << y;
        }
        int red = 0, white = 0;
        for (int y = size / 4; y < size * 3 / 4; ++y) {
            for (int x = size / 4; x < size * 3 / 4; ++x) {
                const Argb c = icon.at(x, y);
                red += (redOf(c) > 0xC0 && greenOf(c) < 0x50) ? 1 : 0;
                white += (redOf(c) > 0xE0 && greenOf(c) > 0xE0 && blueOf(c) > 0xE0) ? 1 : 0;
            }
        }
        EXPECT_GT(red, size * size / 50) << "red cap, " << size;
        EXPECT_GT(white, size * size / 20) << "white beard, " << size;
    }
}

TEST(Reticle, Is32By32WithItsHotSpotAtTheCentre) {
    const Pointer& pointer = reticle();
    EXPECT_EQ(pointer.image.width, 32);
    EXPECT_EQ(pointer.image.height, 32);
    EXPECT_EQ(pointer.hotX, 16);
    EXPECT_EQ(pointer.hotY, 16);
    // Centred on the hot spot: the same 15 pixels out in every direction.
    const Image& r = pointer.image;
    for (int d = 1; d <= 15; ++d) {
        for (int e = -15; e <= 15; ++e) {
            EXPECT_EQ(r.at(16 + d, 16 + e), r.at(16 - d, 16 + e)) << d << ", " << e;
            EXPECT_EQ(r.at(16 + e, 16 + d), r.at(16 + e, 16 - d)) << e << ", " << d;
        }
    }
}

TEST(Reticle, IsThinYellowLinesOnTransparency) {
    const Image& r = reticle().image;
    const Argb yellow = opaque(0xFFF200);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Argb c = r.at(x, y);
            EXPECT_TRUE(c == yellow || c == kTransparent) << hex(c) << " at " << x << ", " << y;
        }
    }
    // The plus sign at the centre: 7 wide, 5 high, crossing at the hot spot.
    int across = 0, down = 0;
    for (int x = 0; x < 32; ++x)
        across += r.at(x, 16) == yellow ? 1 : 0;
    for (int y = 8; y < 24; ++y)
        down += r.at(16, y) == yellow ? 1 : 0;
    EXPECT_EQ(across, 7);
    EXPECT_EQ(down, 5);
    for (int x = 13; x <= 19; ++x)
        EXPECT_EQ(r.at(x, 16), yellow) << x;
    for (int y = 14; y <= 18; ++y)
        EXPECT_EQ(r.at(16, y), yellow) << y;

    // A right-angled bracket in each corner, each arm 6 to 8 pixels long and
    // 1 pixel wide: walk from the corner pixel along both arms.
    for (auto [cx, cy, dx, dy] :
         {std::tuple{0, 0, 1, 1}, {31, 0, -1, 1}, {0, 31, 1, -1}, {31, 31, -1, -1}}) {
        // The bracket's corner: the yellow pixel nearest the picture's corner.
        int x0 = -1, y0 = -1, best = 1 << 30;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                if (r.at(x, y) == yellow && d < best) {
                    best = d;
                    x0 = x;
                    y0 = y;
                }
            }
        }
        ASSERT_LE(best, 8) << "a bracket in the corner near " << cx << ", " << cy;
        auto inside = [](int v) { return v >= 0 && v < 32; };
        int horizontal = 0, vertical = 0;
        while (inside(x0 + horizontal * dx) && r.at(x0 + horizontal * dx, y0) == yellow)
            ++horizontal;
        while (inside(y0 + vertical * dy) && r.at(x0, y0 + vertical * dy) == yellow)
            ++vertical;
        EXPECT_GE(horizontal, 6);
        EXPECT_LE(horizontal, 8);
        EXPECT_GE(vertical, 6);
        EXPECT_LE(vertical, 8);
        // One pixel wide: nothing yellow beside the arms.
        for (int i = 1; i < horizontal; ++i) {
            EXPECT_EQ(r.at(x0 + i * dx, y0 + dy), kTransparent);
            if (inside(y0 - dy)) {
                EXPECT_EQ(r.at(x0 + i * dx, y0 - dy), kTransparent);
            }
        }
        for (int i = 1; i < vertical; ++i) {
            EXPECT_EQ(r.at(x0 + dx, y0 + i * dy), kTransparent);
            if (inside(x0 - dx)) {
                EXPECT_EQ(r.at(x0 - dx, y0 + i * dy), kTransparent);
            }
        }
    }
}

TEST(TitlePicture, Is1280By960MostlyVeryDarkGreen) {
    const Image& title = titlePicture();
    ASSERT_EQ(title.width, 1280);
    ASSERT_EQ(title.height, 960);
    EXPECT_TRUE(isOpaque(title));
    std::size_t background = 0;
    for (Argb c : title.pixels)
        background += c == opaque(0x002600) ? 1 : 0;
    EXPECT_GT(background, title.pixels.size() / 2) << "the background is most of the picture";
    EXPECT_EQ(title.at(1279, 0), opaque(0x002600));
}

TEST(TitlePicture, HasTheTitleInRedAtTheUpperLeft) {
    const Image& title = titlePicture();
    auto redIn = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const Argb c = title.at(x, y);
                n += (redOf(c) > 0xB0 && greenOf(c) < 0x50 && blueOf(c) < 0x50) ? 1 : 0;
            }
        }
        return n;
    };
    const int upperLeft = redIn(0, 0, 640, 400);
    EXPECT_GT(upperLeft, 20000) << "the lettering";
    EXPECT_GT(upperLeft, 3 * redIn(640, 0, 1280, 400)) << "(the rest is the straw)";
    EXPECT_GT(upperLeft, 3 * redIn(0, 480, 1280, 960));
}

TEST(TitlePicture, ShownSqueezedTo959By478) {
    const Image& shown = titlePictureShown();
    EXPECT_EQ(shown.width, 959);
    EXPECT_EQ(shown.height, 478);
    EXPECT_TRUE(isOpaque(shown));
    EXPECT_EQ(shown, squeeze(titlePicture(), 959, 478));
    EXPECT_EQ(&titlePictureShown(), &shown) << "made once";
}

}  // namespace
}  // namespace sledloop::pictures
