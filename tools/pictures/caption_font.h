// A small pixel font for the contact sheet's captions: no font files, so the
// sheet comes out the same on every machine.
#pragma once

#include <string_view>

#include "ui/pictures/pictures.h"

namespace sledloop::pictures {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 9;  // 7 above the baseline, 2 for descenders
inline constexpr int kGlyphAdvance = 6;

// Writes text with its top-left corner at (x, y), each font pixel a
// scale x scale square. Characters the font lacks show as blanks.
void drawText(Image& image, int x, int y, std::string_view text, Argb color, int scale);
int textWidth(std::string_view text, int scale);

}  // namespace sledloop::pictures
