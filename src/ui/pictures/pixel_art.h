// Pixel art held as data: a palette of characters and rows of them.
#pragma once

#include <span>
#include <string_view>

#include "ui/pictures/pictures.h"

namespace sledloop::pictures {

struct Ink {
    char key;
    Argb color;
};

// One character per pixel, every row as long as the first. A character the
// palette lacks throws std::invalid_argument, naming it: a typo in the art
// fails the first test that makes the picture instead of showing a wrong colour.
Image decodeArt(std::span<const Ink> palette, std::span<const std::string_view> rows);

}  // namespace sledloop::pictures
