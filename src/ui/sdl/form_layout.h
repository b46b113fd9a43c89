// Where every control of Form1 sits, its colours and its place in the
// stacking order. Positions are absolute client pixels (the containers'
// offsets already added), so hit testing and painting share one table.
#pragma once

#include <array>
#include <cstdint>

#include "state/game_state.h"
#include "ui/layout.h"
#include "ui/ports.h"

namespace sledloop::sdl {

struct Box {
    int x, y, w, h;
    constexpr bool contains(int px, int py) const {
        return px >= x && px < x + w && py >= y && py < y + h;
    }
};

struct VLine {
    int x, y1, y2;  // y2 itself is not drawn, as with LineTo
};

inline constexpr Rgb kBlack{0x00, 0x00, 0x00};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

inline constexpr Box kClient{0, 0, kClientWidth, kClientHeight};
inline constexpr int kTileSize = 32;

// The HUD panel and its contents; children sit inside the 2-pixel border.
inline constexpr Box kPanel{0, kFieldHeight, 961, 177};
inline constexpr int kPanelBorder = 2;
inline constexpr int kPanelInnerX = kPanel.x + kPanelBorder;
inline constexpr int kPanelInnerY = kPanel.y + kPanelBorder;
inline constexpr Rgb kPanelColor{0x00, 0x40, 0x00};

inline constexpr Box kCommand1{kPanelInnerX + 776, kPanelInnerY + 24, 129, 41};
inline constexpr const char* kCommand1Caption = "START / RESTART";

// Frame5 (santa counters) and Frame6 (the clock), flat frames on the panel.
inline constexpr Box kFrame5{kPanelInnerX + 16, kPanelInnerY + 16, 177, 65};
inline constexpr Box kFrame6{kPanelInnerX + 16, kPanelInnerY + 88, 177, 65};
inline constexpr Rgb kCounterFrameColor{0x00, 0xC0, 0x00};
inline constexpr const char* kFrame5Caption = "sledloop";
inline constexpr const char* kFrame6Caption = "TIME";

// Lightweight children of Frame5 and Frame6, front to back within each frame.
struct CounterLabel {
    Label label;
    Box box;
};
inline constexpr std::array<CounterLabel, 3> kFrame5Labels{{
    {Label::Label1, {kFrame5.x + 8, kFrame5.y + 32, 41, 25}},
    {Label::Label2, {kFrame5.x + 64, kFrame5.y + 32, 41, 25}},
    {Label::Label3, {kFrame5.x + 120, kFrame5.y + 32, 41, 25}},
}};
inline constexpr std::array<VLine, 3> kFrame5Lines{{
    {kFrame5.x + 56, kFrame5.y + 32, kFrame5.y + 56},   // Line1
    {kFrame5.x + 112, kFrame5.y + 32, kFrame5.y + 56},  // Line3
    {kFrame5.x, kFrame5.y, kFrame5.y + 24},             // Line2
}};
inline constexpr std::array<CounterLabel, 2> kFrame6Labels{{
    {Label::Label6, {kFrame6.x + 16, kFrame6.y + 32, 57, 25}},
    {Label::Label5, {kFrame6.x + 96, kFrame6.y + 32, 57, 25}},
}};
inline constexpr std::array<VLine, 2> kFrame6Lines{{
    {kFrame6.x + 88, kFrame6.y + 32, kFrame6.y + 56},  // Line6
    {kFrame6.x, kFrame6.y, kFrame6.y + 24},            // Line5
}};

// The palette, indexed by Skill: Frame1 BRIDGE .. Frame4 DIG.
struct PaletteFrame {
    const char* caption;
    Box box;
    Box stock;  // USE(k)
    Box icon;   // hashi, Picture2, Picture3, Picture4 with their 1-pixel border
};
constexpr PaletteFrame paletteFrame(const char* caption, int x) {
    return {caption, {x, 512, 89, 113}, {x + 24, 536, 33, 25}, {x + 24, 576, 34, 34}};
}
inline constexpr std::array<PaletteFrame, kFrameCount> kPalette{{
    paletteFrame("BRIDGE", 224),
    paletteFrame("ROCK", 320),
    paletteFrame("JUMP", 416),
    paletteFrame("DIG", 512),
}};
inline constexpr Rgb kPaletteCaptionColor{0x00, 0x00, 0xFF};
inline constexpr Rgb kStockColor{0xFF, 0x00, 0x00};
inline constexpr Rgb kStockBack{0xC0, 0xFF, 0xC0};
inline constexpr Rgb kIconBack = kWhite;  // the window-background colour of the standard scheme

// Over the field.
inline constexpr Box kTitle{0, 0, 959, 478};
inline constexpr Box kBanner{328, 208, 249, 33};
inline constexpr Rgb kBannerColor{0xFF, 0xFF, 0x00};

// The window's lightweight elements, front to back. Sprites 10..20 lie in
// front of the title picture and the banner, sprites 0..9 behind both.
enum class Layer : std::uint8_t { Sprite, Title, Banner };
struct LayerEntry {
    Layer layer;
    int slot;  // sprite slot; unused otherwise
};
inline constexpr std::array<LayerEntry, kRosterSlots + 2> kFrontToBack{{
    {Layer::Sprite, 20}, {Layer::Sprite, 19}, {Layer::Sprite, 18}, {Layer::Sprite, 17},
    {Layer::Sprite, 16}, {Layer::Sprite, 15}, {Layer::Sprite, 14}, {Layer::Sprite, 13},
    {Layer::Sprite, 12}, {Layer::Sprite, 11}, {Layer::Sprite, 10}, {Layer::Title, 0},
    {Layer::Banner, 0},  {Layer::Sprite, 3},  {Layer::Sprite, 8},  {Layer::Sprite, 4},
    {Layer::Sprite, 2},  {Layer::Sprite, 9},  {Layer::Sprite, 7},  {Layer::Sprite, 6},
    {Layer::Sprite, 5},  {Layer::Sprite, 1},  {Layer::Sprite, 0},
}};

// The palette frames lie in front of the panel, Frame4 front-most.
inline constexpr std::array<Frame, kFrameCount> kPaletteFrontToBack{Frame::Frame4, Frame::Frame3,
                                                                    Frame::Frame2, Frame::Frame1};

// Point sizes at 96 dpi as pixel heights of the em square.
inline constexpr int pointsToPixels(double points) {
    return static_cast<int>(points * 96 / 72 + 0.5);
}

}  // namespace sledloop::sdl
