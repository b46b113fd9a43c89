// The three santa pictures.
#include <gtest/gtest.h>

#include <algorithm>

#include "picture_checks.h"
#include "ui/pictures/pictures.h"

namespace sledloop::pictures {
namespace {

using testing::isOpaque;

const Image& walkingRight() {
    return sprite(SpriteSource::santa0);
}
const Image& walkingLeft() {
    return sprite(SpriteSource::santa20);
}
const Image& falling() {
    return sprite(SpriteSource::santaS);
}

bool isRed(Argb c) {
    return redOf(c) > 0xC0 && greenOf(c) < 0x50 && blueOf(c) < 0x60;
}
bool isWhite(Argb c) {
    return redOf(c) > 0xE0 && greenOf(c) > 0xE0 && blueOf(c) > 0xE0;
}
bool isSkin(Argb c) {
    return redOf(c) > 0xF0 && greenOf(c) > 0xB0 && greenOf(c) < 0xE0 && blueOf(c) > 0x90 &&
           blueOf(c) < 0xC0;
}
bool isBrown(Argb c) {
    return redOf(c) > greenOf(c) + 0x20 && greenOf(c) > blueOf(c) && redOf(c) < 0x90 &&
           redOf(c) > 0x40;
}
bool isGrey(Argb c) {
    return std::abs(redOf(c) - greenOf(c)) <= 4 && std::abs(greenOf(c) - blueOf(c)) <= 12 &&
           redOf(c) > 0x40 && redOf(c) < 0xB0;
}

int count(const Image& image, bool (*test)(Argb), int x0 = 0, int y0 = 0, int x1 = 32,
          int y1 = 32) {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x)
            n += test(image.at(x, y)) ? 1 : 0;
    }
    return n;
}

TEST(Sprites, AreOpaque32By32OnBlack) {
    for (SpriteSource s : {SpriteSource::santa0, SpriteSource::santa20, SpriteSource::santaS}) {
        const Image& image = sprite(s);
        EXPECT_EQ(image.width, 32);
        EXPECT_EQ(image.height, 32);
        EXPECT_TRUE(isOpaque(image)) << "the black background shows as a square";
        EXPECT_EQ(image.at(0, 0), kBlack);
        EXPECT_EQ(image.at(31, 0), kBlack);
        // Black is the background: a good part of the square.
        const int black = count(image, [](Argb c) { return c == kBlack; });
        EXPECT_GT(black, 32 * 32 / 4);
        EXPECT_LT(black, 32 * 32 * 3 / 4);
    }
}

TEST(Sprites, WalkingLeftIsTheExactMirrorOfWalkingRight) {
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            EXPECT_PIXEL(walkingLeft(), x, y, walkingRight().at(31 - x, y));
    }
    EXPECT_NE(walkingLeft(), walkingRight()) << "a profile is not symmetric";
}

TEST(Sprites, WalkingRightFacesRightWithTheSackAtTheLeft) {
    const Image& santa = walkingRight();
    // The face looks right, the nose foremost; the white sack fills the left.
    double skinX = 0;
    const int skin = count(santa, isSkin);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            skinX += isSkin(santa.at(x, y)) ? x : 0;
    }
    ASSERT_GT(skin, 20);
    EXPECT_GT(skinX / skin, 16.5);
    int nose = -1;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (santa.at(x, y) == opaque(0xF08878)) nose = std::max(nose, x);
        }
    }
    EXPECT_GE(nose, 24);
    EXPECT_GT(count(santa, isWhite, 0, 10, 10, 26), 80);
    EXPECT_GT(count(santa, isRed, 0, 0, 32, 8), 60) << "red cap";
    EXPECT_GT(count(santa, isRed, 0, 14, 32, 28), 60) << "red suit";
    EXPECT_GT(count(santa, isBrown, 0, 28, 32, 32), 15) << "brown boots";
    EXPECT_GT(count(santa, isBrown, 0, 18, 32, 24), 10) << "brown belt";
}

TEST(Sprites, FallingSantaFacesUsWithGreyBoots) {
    const Image& santa = falling();
    // Seen from the front: the face is in the middle, a cheek on each side.
    EXPECT_GT(count(santa, isSkin, 0, 0, 16, 32), 12);
    EXPECT_GT(count(santa, isSkin, 16, 0, 32, 32), 12);
    auto pink = [](Argb c) { return c == opaque(0xF08878); };
    EXPECT_GE(count(santa, pink, 0, 0, 16, 32), 1) << "pink cheek, left";
    EXPECT_GE(count(santa, pink, 16, 0, 32, 32), 1) << "pink cheek, right";
    EXPECT_GT(count(santa, isGrey, 0, 26, 32, 32), 12) << "grey boots";
    EXPECT_GT(count(santa, isRed, 0, 12, 32, 26), 100) << "red suit";
    EXPECT_NE(santa, walkingRight());
}

}  // namespace
}  // namespace sledloop::pictures
