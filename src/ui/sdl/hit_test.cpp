#include "ui/sdl/hit_test.h"

#include "ui/sdl/form_layout.h"

namespace sledloop::sdl {

namespace {

// Controls with an area of their own lie in front of the lightweight ones.
Hit hitHeavy(int x, int y) {
    for (Frame frame : kPaletteFrontToBack) {
        const int f = static_cast<int>(frame);
        const PaletteFrame& p = kPalette[f];
        if (!p.box.contains(x, y)) continue;
        if (p.icon.contains(x, y)) return {Target::PaletteIcon, f};
        if (p.stock.contains(x, y)) return {Target::PaletteStock, f};
        return {Target::PaletteFrame, f};
    }
    if (kCommand1.contains(x, y)) return {Target::Command1, 0};
    if (kPanel.contains(x, y)) return {Target::Panel, 0};
    return {Target::Outside, 0};
}

Hit hitLight(const FormState& form, int x, int y) {
    for (const LayerEntry& entry : kFrontToBack) {
        switch (entry.layer) {
            case Layer::Sprite: {
                const SpriteView& s = form.sprites[entry.slot];
                if (s.visible && Box{s.left, s.top, kTileSize, kTileSize}.contains(x, y))
                    return {Target::Sprite, entry.slot};
                break;
            }
            case Layer::Title:
                if (form.titleVisible && kTitle.contains(x, y)) return {Target::Title, 0};
                break;
            case Layer::Banner:
                if (form.bannerVisible && kBanner.contains(x, y)) return {Target::Banner, 0};
                break;
        }
    }
    return {Target::Surface, 0};
}

}  // namespace

Hit hitTest(const FormState& form, int x, int y) {
    if (!kClient.contains(x, y)) return {Target::Outside, 0};
    const Hit heavy = hitHeavy(x, y);
    return heavy.target != Target::Outside ? heavy : hitLight(form, x, y);
}

}  // namespace sledloop::sdl
