// The three santa pictures, on opaque black. Walking left is not
// drawn: it is walking right mirrored, pixel for pixel.
#include <array>

#include "ui/pictures/pictures.h"
#include "ui/pictures/pixel_art.h"

namespace sledloop::pictures {
namespace {

constexpr Ink kSantaInks[] = {
    {'.', kBlack},           {'R', opaque(0xE02830)},  // suit and cap
    {'r', opaque(0xA01820)},                           // suit in shade
    {'W', opaque(0xF8F8F8)},                           // trim, beard, sack
    {'w', opaque(0xC0C4D0)},                           // white in shade
    {'S', opaque(0xFFCCA8)},                           // face
    {'p', opaque(0xF08878)},                           // nose and cheeks
    {'K', opaque(0x201010)},                           // eyes
    {'B', opaque(0x7A4420)},                           // belt, boots, gloves
    {'b', opaque(0x4A2410)},                           // soles, shade of brown
    {'Y', opaque(0xF8D040)},                           // buckle
    {'G', opaque(0x8C8C94)},                           // grey boots
    {'g', opaque(0x5C5C64)},                           // grey boots in shade
};

// Profile, walking right, the sack on his back at the left.
// clang-format off
constexpr std::string_view kWalkingRightArt[] = {
    "................................",
    "...............RRRRR............",
    ".............RRRRRRRRR..........",
    "...........rRRRRRRRRRRR.........",
    ".........rrRRRRRRRRRRRRR........",
    "....WW.rrRRRRRRRRRRRRRRR........",
    "...WWWWrRRRRRRRRRRRRRRRR........",
    "...WWWw..WWWWWWWWWWWWWWWW.......",
    "....ww..WWWWWWWWWWWWWWWWWW......",
    "........wWWSSSSSSSSSSKSSS.......",
    "......w.WWWSSSSSSSSSSKSSSpp.....",
    ".....wWwWWWWSSSSSSpSSSSSpppp....",
    "....wWWBBWWWWSSSSSSSSWWWWpp.....",
    "...wWWWWBwWWWWWWWWWWWWWWWW......",
    "..wWWWWWWwwWWWWWWWWWWWWWWW......",
    ".wWWWWWWWWwWWWWWWWWWWWWWW.......",
    ".wWWWWWWWWwRwWWWWWWWWWWW........",
    "wWWWWWWWWWwRRwWWWWWWWWWRR.......",
    "wWWWWWWWWWwRRRwWWWWWWWRRRRR.....",
    "wWWWWWWWWWwRRRRwwWWWwrRRRRRR....",
    "wWWWWWWWWWwRRRRRRRRRRRrrRRRWW...",
    "wwWWWWWWWwwBBBBBBYYYBBBBrrrWBB..",
    ".wWWWWWWwwrRRRRRRYRYRRRR...BBB..",
    "..wwwwwwwrRRRRRRRYYYRRRR........",
    "..........WWWWWWWWWWWWWWW.......",
    "..........WWWWWWWWWWWWWWWW......",
    "...........RRRRR...RRRRR........",
    "..........rRRRR.....RRRRR.......",
    ".........bBBBB.......BBBBB......",
    "........bBBBBB.......BBBBBB.....",
    "........bBBBBB.......BBBBBBB....",
    "........bbbbbb.......bbbbbbb....",
};
// clang-format on

// From the front, falling with his arms thrown up.
// clang-format off
constexpr std::string_view kFallingArt[] = {
    "................................",
    "..........................WW....",
    "..............RRRRRRR....WWWW...",
    "............RRRRRRRRRRRRRRWW....",
    "..BB.......RRRRRRRRRRRRRRr...BB.",
    "..BB.......RRRRRRRRRRRRR.....BB.",
    "..RR......WWWWWWWWWWWWWW.....RR.",
    "..RR......WWWWWWWWWWWWWW.....RR.",
    "...RR.....WSSSSSSSSSSSSW....RR..",
    "...RR.....SSKSSSSSSSSKSS....RR..",
    "....RR....SpSSSSppSSSSpS...RR...",
    "....RR...WWWWWSSSSSSWWWWW..RR...",
    ".....RR..WWWWWWWWWWWWWWWW.RR....",
    ".....RRRWWWWWWWWWWWWWWWWWRRRw...",
    "......RRRWWWWWWWWWWWWWWWRRRRWw..",
    ".......RRRWWWWWWWWWWWWWRRRRwWWw.",
    "........RRRRWWWWWWWWWRRRRRwWWWw.",
    "........RRRRRRWWWWWRRRRRRRwWWWw.",
    "........RRRRRRRRWRRRRRRRRRwWWWw.",
    "........RRRRRRRRRRRRRRRRRRwWWw..",
    "........RRRRRRRRWRRRRRRRRR......",
    "........BBBBBBBBBBBBBBBBBB......",
    "........RRRRRRRRWRRRRRRRRR......",
    "........RRRRRRRRRRRRRRRRRR......",
    "........WWWWWWWWWWWWWWWWWW......",
    ".........RRRRRR....RRRRRR.......",
    ".........RRRRRR....RRRRRR.......",
    "........RRRRRR......RRRRRR......",
    ".......GGGGGG........GGGGGG.....",
    ".......GGGGGG........GGGGGG.....",
    ".......gggggg........gggggg.....",
    "................................",
};
// clang-format on

}  // namespace

const Image& sprite(SpriteSource source) {
    static const std::array<Image, 3> sprites = [] {
        Image right = decodeArt(kSantaInks, kWalkingRightArt);
        Image left = mirrored(right);
        return std::array<Image, 3>{std::move(right), std::move(left),
                                    decodeArt(kSantaInks, kFallingArt)};
    }();
    return sprites.at(static_cast<std::size_t>(source));
}

}  // namespace sledloop::pictures
