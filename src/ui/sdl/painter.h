// Draws Form1 back to front: the drawing surface, the lightweight elements
// in their stacking order, then the panel and the palette frames over them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/sdl/drawing_surface.h"
#include "ui/sdl/fonts.h"
#include "ui/sdl/form_layout.h"
#include "ui/sdl/form_state.h"
#include "ui/sdl/picture_set.h"
#include "ui/sdl/sdl_handles.h"

namespace sledloop::sdl {

enum class Align : std::uint8_t { Left, Center, Right };

class Painter {
  public:
    // Throws std::runtime_error when the renderer cannot hold the pictures.
    Painter(SDL_Renderer* renderer, const PictureSet& pictures, const FontSet& fonts);

    void draw(const FormState& form, const DrawingSurface& surface, bool command1Down);

  private:
    // One cached rendering of a text, redone when the text changes.
    struct Text {
        std::string text;
        TexturePtr texture;
        int w = 0;
        int h = 0;
    };
    enum TextSlot : int {
        LabelTexts = 0,  // one per Label
        PaletteCaptions = kLabelCount,
        Frame5Caption = PaletteCaptions + kFrameCount,
        Frame6Caption,
        Command1Caption,
        TextSlotCount,
    };

    void fill(const Box& box, Rgb color);
    void outline(const Box& box, Rgb color);
    // Top-left light, bottom-right dark: raised; swapped: sunken.
    void bevel(const Box& box, Rgb topLeft, Rgb bottomRight);
    void text(int slot, FontRole role, Rgb color, const std::string& value, const Box& box,
              Align align);
    const Text& rendered(int slot, FontRole role, Rgb color, const std::string& value);

    void drawSurface(const DrawingSurface& surface);
    void drawLightweights(const FormState& form);
    void drawPanel(const FormState& form, bool command1Down);
    void drawCounterFrame(const Box& box, int captionSlot, const char* caption);
    void drawCommand1(bool down);
    void drawPaletteFrame(const FormState& form, int f);

    SDL_Renderer* renderer_;
    const FontSet& fonts_;
    TexturePtr surface_;
    std::uint64_t surfaceVersion_ = ~std::uint64_t{0};
    std::array<TexturePtr, 3> sprites_;
    TexturePtr title_;
    std::array<TexturePtr, kSkillCount> icons_;
    std::array<Text, TextSlotCount> texts_;
};

}  // namespace sledloop::sdl
