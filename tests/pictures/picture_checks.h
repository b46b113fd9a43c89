// Small helpers the picture tests share.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "ui/pictures/pictures.h"

namespace sledloop::pictures::testing {

inline std::string hex(Argb c) {
    char text[16];
    std::snprintf(text, sizeof text, "#%08X", c);
    return text;
}

inline std::set<Argb> colorsOf(const Image& image) {
    return {image.pixels.begin(), image.pixels.end()};
}

inline bool isOpaque(const Image& image) {
    for (Argb c : image.pixels) {
        if (alphaOf(c) != 0xFF) return false;
    }
    return true;
}

// Reads well in a failure: where, and what instead.
#define EXPECT_PIXEL(image, x, y, expected)                             \
    EXPECT_EQ(::sledloop::pictures::testing::hex((image).at((x), (y))), \
              ::sledloop::pictures::testing::hex(expected))             \
        << "at (" << (x) << ", " << (y) << ")"

}  // namespace sledloop::pictures::testing
