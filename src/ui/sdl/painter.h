// Draws Form1 back to front: the drawing surface, the lightweight elements
// in their stacking order, then the panel and the palette frames over them.
// It draws straight into the window's own pixels, and only where the screen
// changed; only those parts are sent to the display.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/sdl/damage.h"
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
    // Throws std::runtime_error when SDL cannot hold the pictures.
    Painter(SDL_Window* window, const PictureSet& pictures, const FontSet& fonts);

    // Draws the damaged parts of the frame and sends them to the display.
    void present(const FormState& form, const DrawingSurface& surface, bool command1Down,
                 const Damage& damage);
    // The window's pixels as last presented; null when the window has none.
    SDL_Surface* frame() const { return target_; }

  private:
    // One cached rendering of a text, redone when the text changes.
    struct Text {
        std::string text;
        SurfacePtr surface;
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
    void line(int x1, int y1, int x2, int y2, Rgb color);
    void outline(const Box& box, Rgb color);
    // Top-left light, bottom-right dark: raised; swapped: sunken.
    void bevel(const Box& box, Rgb topLeft, Rgb bottomRight);
    void text(int slot, FontRole role, Rgb color, const std::string& value, const Box& box,
              Align align);
    const Text& rendered(int slot, FontRole role, Rgb color, const std::string& value);

    void compose(const FormState& form, const DrawingSurface& surface, bool command1Down,
                 const Box& clip);
    void copy(SDL_Surface* picture, const Box& at);
    void drawSurface(const DrawingSurface& surface);
    void drawLightweights(const FormState& form);
    void drawPanel(const FormState& form, bool command1Down);
    void drawCounterFrame(const Box& box, int captionSlot, const char* caption);
    void drawCommand1(bool down);
    void drawPaletteFrame(const FormState& form, int f);

    SDL_Window* window_;
    const FontSet& fonts_;
    SDL_Surface* target_ = nullptr;  // the window's pixels; SDL owns them
    Box clip_ = kClient;             // the part being drawn now
    std::array<SurfacePtr, 3> sprites_;
    SurfacePtr title_;
    std::array<SurfacePtr, kSkillCount> icons_;
    std::array<Text, TextSlotCount> texts_;
};

}  // namespace sledloop::sdl
