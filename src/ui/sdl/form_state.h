// What Form1's controls show right now: the part of the window that the
// game's operations change, apart from the drawing surface's pixels.
#pragma once

#include <array>
#include <string>

#include "state/game_state.h"
#include "ui/layout.h"
#include "ui/ports.h"

namespace sledloop::sdl {

struct SpriteView {
    int left = 0;
    int top = 0;
    bool visible = false;
    SpriteSource picture = SpriteSource::santa0;
};

struct FormState {
    std::array<SpriteView, kRosterSlots> sprites{};
    std::array<std::string, kLabelCount> labels{};
    std::array<Rgb, kFrameCount> frameColors{};
    bool bannerVisible = false;
    bool titleVisible = true;

    // How the window looks when it opens, before any handler runs.
    static FormState atOpen() {
        FormState form;
        for (int k = 0; k < kRosterSlots; ++k) {
            const SpriteStart& start = kSpriteStart[k];
            // 0..9 carry the walking-right picture, 10..20 the walking-left one.
            form.sprites[k] = {start.left, start.top, start.visible,
                               k < 10 ? SpriteSource::santa0 : SpriteSource::santa20};
        }
        for (std::string& text : form.labels)
            text = "0";
        form.labels[static_cast<int>(Label::Label4)].clear();
        form.frameColors.fill(kFrameIdle);
        return form;
    }

    const std::string& label(Label which) const { return labels[static_cast<int>(which)]; }
};

}  // namespace sledloop::sdl
