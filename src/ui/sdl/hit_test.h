// Which control is front-most at a client pixel. Only that control receives
// the mouse there, so a sprite under the panel, the title picture or the
// banner gets nothing.
#pragma once

#include <cstdint>

#include "ui/sdl/form_state.h"

namespace sledloop::sdl {

enum class Target : std::uint8_t {
    Surface,  // the window's own drawing surface
    Sprite,   // santa(index)
    Title,    // Image1
    Banner,   // Label4
    Panel,    // Picture5, Frame5, Frame6 and their contents
    Command1,
    PaletteFrame,  // Frame1..Frame4 (index), its caption and border
    PaletteStock,  // USE(index)
    PaletteIcon,   // the icon box of frame index
    Outside,       // off the client area
};

struct Hit {
    Target target = Target::Outside;
    int index = 0;
    friend constexpr bool operator==(Hit, Hit) = default;
};

Hit hitTest(const FormState& form, int x, int y);

// Any part of a palette frame counts as the frame for its clicks.
constexpr bool isPalette(Hit hit) {
    return hit.target == Target::PaletteFrame || hit.target == Target::PaletteStock ||
           hit.target == Target::PaletteIcon;
}

}  // namespace sledloop::sdl
