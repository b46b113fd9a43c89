// What the window shows, read back from its renderer: the persistent drawing
// surface, the stacking of sprites, title and banner, the panel and palette.
#include "ui/sdl/form_layout.h"
#include "window_fixture.h"

namespace sledloop::sdl::testing {
namespace {

class PixelsTest : public WindowTest {
  protected:
    WindowOps& ops() { return window->ops(); }
    Rgb tilePixel(Tile t, int x, int y) { return rgbOf(window->pictures().tile(t).at(x, y)); }
    Rgb spritePixel(SpriteSource s, int x, int y) {
        return rgbOf(window->pictures().sprite(s).at(x, y));
    }
    Rgb titlePixel(int x, int y) { return rgbOf(window->pictures().title().at(x, y)); }
    // Every pixel of a 32 x 32 picture at (left, top) of the last snapshot,
    // compared with `expect(x, y)` for the picture's pixel.
    template <typename Expect>
    int mismatches(int left, int top, int width, Expect expect) {
        int bad = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < width; ++x)
                bad += at(left + x, top + y) != expect(x, y);
        return bad;
    }
};

TEST_F(PixelsTest, AtOpenTheTitleCoversTheFieldAndThePanelHasItsColours) {
    snapshot();
    EXPECT_EQ(hex(at(500, 300)), hex(titlePixel(500, 300)));
    EXPECT_EQ(hex(at(958 - 2, 477)), hex(titlePixel(956, 477)));
    EXPECT_EQ(hex(at(100, 490)), "#004000") << "panel";
    EXPECT_EQ(hex(at(60, 520)), "#00C000") << "Frame5";
    EXPECT_EQ(hex(at(100, 620)), "#00C000") << "Frame6";
    for (const PaletteFrame& f : kPalette) {
        EXPECT_EQ(hex(at(f.box.x + 8, f.box.y + 100)), "#C0C0FF") << f.caption;
        EXPECT_EQ(hex(at(f.stock.x + 1, f.stock.y + 1)), "#C0FFC0") << f.caption;
        EXPECT_EQ(hex(at(f.icon.x, f.icon.y)), "#000000") << f.caption << " icon border";
    }
    // The panel's sunken border: darker at the top than at the bottom.
    EXPECT_NE(hex(at(100, 480)), hex(at(100, 490)));
}

TEST_F(PixelsTest, CountersAreRightAlignedAndStockLabelsCentred) {
    snapshot();
    struct Case {
        Box box;
        Rgb ink;
        bool centred;
    };
    const Case cases[] = {
        {kFrame5Labels[0].box, kWhite, false},
        {kFrame6Labels[1].box, kWhite, false},
        {kPalette[0].stock, kStockColor, true},
        {kPalette[3].stock, kStockColor, true},
    };
    for (const Case& c : cases) {
        int left = c.box.w, right = -1;
        for (int y = c.box.y; y < c.box.y + c.box.h; ++y) {
            for (int x = c.box.x; x < c.box.x + c.box.w; ++x) {
                if (at(x, y) != c.ink) continue;
                left = std::min(left, x - c.box.x);
                right = std::max(right, x - c.box.x);
            }
        }
        ASSERT_GE(right, 0) << "no digit drawn in the box at " << c.box.x;
        const int spaceLeft = left, spaceRight = c.box.w - 1 - right;
        if (c.centred) {
            EXPECT_LE(std::abs(spaceLeft - spaceRight), 3) << c.box.x;
        } else {
            EXPECT_LE(spaceRight, 3) << c.box.x;
            EXPECT_GT(spaceLeft, c.box.w / 2) << c.box.x;
        }
    }
}

TEST_F(PixelsTest, PaintedTilesSitAtTheirPixelsAndAreClippedAtTheRightEdge) {
    ops().hideTitle();
    ops().paint(Tile::WALL, 0, 96);
    ops().paint(Tile::hashi, 32, 96);
    ops().paint(Tile::WALL, 928, 96);
    snapshot();
    EXPECT_EQ(mismatches(0, 96, 32, [&](int x, int y) { return tilePixel(Tile::WALL, x, y); }), 0);
    EXPECT_EQ(mismatches(32, 96, 32, [&](int x, int y) { return tilePixel(Tile::hashi, x, y); }),
              0);
    // Only 29 of the last tile's columns are in the window.
    EXPECT_EQ(mismatches(928, 96, 29, [&](int x, int y) { return tilePixel(Tile::WALL, x, y); }),
              0);
    EXPECT_EQ(hex(at(0, 95)), "#000000");
    EXPECT_EQ(hex(at(0, 128)), "#000000");
}

TEST_F(PixelsTest, Picture3KeepsTheSurfaceUnderItsTransparentPixels) {
    const Picture& arrow = window->pictures().tile(Tile::Picture3);
    ops().hideTitle();
    ops().paint(Tile::WALL, 64, 160);
    ops().paint(Tile::Picture3, 64, 160);
    snapshot();
    int clear = 0, solid = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool transparent = (arrow.at(x, y) >> 24) == 0;
            const Rgb expected = transparent ? tilePixel(Tile::WALL, x, y) : rgbOf(arrow.at(x, y));
            EXPECT_EQ(hex(at(64 + x, 160 + y)), hex(expected)) << x << "," << y;
            (transparent ? clear : solid)++;
        }
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(solid, 0);
}

TEST_F(PixelsTest, ClearingBlackensTheSurfaceAndLeavesSpritesAndControls) {
    ops().hideTitle();
    ops().moveSprite(6, 200, 200);
    ops().paint(Tile::WALL, 300, 300);
    ops().setFrameColor(Frame::Frame2, kFrameChosen);
    ops().clear();
    snapshot();
    EXPECT_EQ(hex(at(310, 310)), "#000000");
    EXPECT_EQ(mismatches(200, 200, 32,
                         [&](int x, int y) { return spritePixel(SpriteSource::santa0, x, y); }),
              0);
    EXPECT_EQ(hex(at(kPalette[1].box.x + 8, kPalette[1].box.y + 100)), "#FFFF80");
}

TEST_F(PixelsTest, ASpriteHidesTheTileUnderItUntilItMovesOn) {
    ops().hideTitle();
    ops().paint(Tile::WALL, 64, 64);
    ops().moveSprite(7, 64, 64);
    ops().setSpritePicture(7, SpriteSource::santaS);
    snapshot();
    EXPECT_EQ(mismatches(64, 64, 32,
                         [&](int x, int y) { return spritePixel(SpriteSource::santaS, x, y); }),
              0);
    ops().moveSprite(7, 80, 64);  // half a tile on
    snapshot();
    EXPECT_EQ(mismatches(64, 64, 16, [&](int x, int y) { return tilePixel(Tile::WALL, x, y); }), 0);
    EXPECT_EQ(mismatches(80, 64, 32,
                         [&](int x, int y) { return spritePixel(SpriteSource::santaS, x, y); }),
              0);
}

TEST_F(PixelsTest, SpritesUnderThePanelAreNotSeen) {
    // Sprites 0..9 have their visible flag on at their start positions.
    const std::vector<std::uint32_t> shown = window->readPixels();
    for (int k = 0; k < 10; ++k)
        ops().hideSprite(k);
    EXPECT_EQ(window->readPixels(), shown);
}

TEST_F(PixelsTest, StackingOfSpritesTitleAndBanner) {
    ops().moveSprite(2, 340, 208);   // behind the title and the banner
    ops().moveSprite(13, 500, 208);  // in front of both
    ops().showSprite(13);
    ops().setLabelText(Label::Label4, "STAGE  1");
    ops().showBanner();
    auto sprite2 = [&] {
        return mismatches(340, 208, 32,
                          [&](int x, int y) { return spritePixel(SpriteSource::santa0, x, y); });
    };
    auto sprite13 = [&] {
        return mismatches(500, 208, 32,
                          [&](int x, int y) { return spritePixel(SpriteSource::santa20, x, y); });
    };
    snapshot();
    EXPECT_EQ(sprite13(), 0);
    EXPECT_NE(sprite2(), 0);
    EXPECT_EQ(hex(at(330, 236)), hex(titlePixel(330, 236))) << "the title covers the banner";

    ops().hideTitle();
    snapshot();
    EXPECT_EQ(sprite13(), 0);
    EXPECT_NE(sprite2(), 0) << "the banner covers sprite 2";
    EXPECT_EQ(hex(at(330, 236)), "#000000") << "banner box";
    int yellow = 0;
    for (int y = kBanner.y; y < kBanner.y + kBanner.h; ++y)
        for (int x = kBanner.x; x < kBanner.x + kBanner.w; ++x)
            yellow += at(x, y) == kBannerColor;
    EXPECT_GT(yellow, 50) << "banner text";

    ops().hideBanner();
    snapshot();
    EXPECT_EQ(sprite2(), 0);
}

TEST_F(PixelsTest, TheChosenFrameIsHighlightedAndTheJumpIconShowsItsBoxBehindIt) {
    ops().setFrameColor(Frame::Frame4, kFrameChosen);
    snapshot();
    EXPECT_EQ(hex(at(kPalette[3].box.x + 8, kPalette[3].box.y + 100)), "#FFFF80");
    EXPECT_EQ(hex(at(kPalette[0].box.x + 8, kPalette[0].box.y + 100)), "#C0C0FF");
    const Picture& arrow = window->pictures().paletteIcon(JUMP);
    const Box& icon = kPalette[2].icon;
    EXPECT_EQ(arrow.at(0, 0) >> 24, 0u) << "the corner of the arrow is transparent";
    EXPECT_EQ(hex(at(icon.x + 1, icon.y + 1)), "#FFFFFF");
    EXPECT_EQ(hex(at(icon.x + 1 + 16, icon.y + 1 + 20)), hex(rgbOf(arrow.at(16, 20))));
}

TEST_F(PixelsTest, TheWindowIsFixedAndTitled) {
    SDL_Window* w = window->sdlWindow();
    EXPECT_STREQ(SDL_GetWindowTitle(w), "sledloop");
    int width = 0, height = 0;
    SDL_GetWindowSize(w, &width, &height);
    EXPECT_EQ(width, 957);
    EXPECT_EQ(height, 651);
    EXPECT_EQ(SDL_GetWindowFlags(w) & SDL_WINDOW_RESIZABLE, 0u);
}

}  // namespace
}  // namespace sledloop::sdl::testing
