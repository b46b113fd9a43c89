// The window's typefaces: a proportional Japanese gothic where one is
// installed, DejaVu Sans otherwise, and a plain UI face for the button.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "ui/sdl/sdl_handles.h"

namespace sledloop::sdl {

struct FontFace {
    std::string family;
    std::string file;
    int index = 0;
    bool emboldened = false;  // the face has no bold of its own: drawn bold by the renderer
};

struct FontChoice {
    FontFace gothicBold;  // counters, banner, palette captions and stock labels
    FontFace gothic;      // the captions of the panel's frames
    FontFace ui;          // the button
};

// Asks fontconfig; nothing when not even the fallback is installed.
std::optional<FontChoice> chooseFonts();

enum class FontRole {
    Counter,         // Label1..3, Label5, Label6 and the banner: 18 pt bold
    PaletteCaption,  // 14.25 pt bold
    Stock,           // USE(k): 15.75 pt bold
    FrameCaption,    // Frame5, Frame6: 9 pt
    Button,          // Command1: 9 pt
};
inline constexpr int kFontRoleCount = 5;

class FontSet {
  public:
    // Needs TTF_Init; `choice` is what chooseFonts() answered. On failure
    // returns nothing and says why in `error`.
    static std::optional<FontSet> open(const std::optional<FontChoice>& choice, std::string& error);
    TTF_Font* get(FontRole role) const { return fonts_[static_cast<int>(role)].get(); }
    const FontChoice& choice() const { return choice_; }

  private:
    FontChoice choice_;
    std::array<FontPtr, kFontRoleCount> fonts_;
};

}  // namespace sledloop::sdl
