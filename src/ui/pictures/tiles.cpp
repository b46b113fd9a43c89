// The tiles painted on the field and the palette icons, as pixel
// art. The numbered facts of the design (WALL's joints, hashi's plank,
// Picture3's arrow) are drawn exactly; tests/pictures checks them.
#include "ui/pictures/pictures.h"

#include <array>

#include "ui/pictures/pixel_art.h"

namespace sledloop::pictures {
namespace {

// WALL: three courses of green brick, black joints at rows 10 and 22 and at
// column 15 in the top and bottom courses.
constexpr Ink kWallInks[] = {{'.', kBlack}, {'G', opaque(0x156F30)}};
// clang-format off
constexpr std::string_view kWallArt[] = {
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "................................",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    "................................",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
    "GGGGGGGGGGGGGGG.GGGGGGGGGGGGGGGG",
};
// clang-format on
// INGO, the entrance: an OUT signboard on two legs.
constexpr Ink kIngoInks[] = {
    {'.', kBlack},
    {'W', opaque(0xFFFFFF)},
    {'g', opaque(0xC0C0C0)},
    {'R', opaque(0xE02040)},
};
// clang-format off
constexpr std::string_view kIngoArt[] = {
    "................................",
    ".......gggggggggggggggggg.......",
    ".......gggggggggggggggggg.......",
    ".......ggWWWWWWWWWWWWWWgg.......",
    ".......ggWWWWWWWWWWWWWWgg.......",
    ".......ggWWRRWWRWWRWRRRgg.......",
    ".......ggWRWWRWRWWRWWRWgg.......",
    ".......ggWRWWRWRWWRWWRWgg.......",
    ".......ggWRWWRWRWWRWWRWgg.......",
    ".......ggWRWWRWRWWRWWRWgg.......",
    ".......ggWRWWRWRWWRWWRWgg.......",
    ".......ggWWRRWWWRRWWWRWgg.......",
    ".......ggWWWWWWWWWWWWWWgg.......",
    ".......ggWWWWWWWWWWWWWWgg.......",
    ".......ggWWWWWWWWWWWWWWgg.......",
    ".......gggggggggggggggggg.......",
    ".......gggggggggggggggggg.......",
    "..........gg........gg..........",
    ".........gg..........gg.........",
    ".........gg..........gg.........",
    "........gg............gg........",
    ".......gg..............gg.......",
    "......gg................gg......",
    "......gg................gg......",
    ".....gg..................gg.....",
    "....gg....................gg....",
    "....gg....................gg....",
    "...gg......................gg...",
    "..gg........................gg..",
    ".gg..........................gg.",
    ".gg..........................gg.",
    "gg............................gg",
};
// clang-format on

// out, the exit: an EXIT sign over a grey double door.
constexpr Ink kOutInks[] = {
    {'.', kBlack},           {'o', opaque(0xF07818)},  // the sign's border
    {'y', opaque(0xB8E04A)},                           // the sign's field
    {'r', opaque(0xA0141E)},                           // the letters
    {'k', opaque(0x4A4A52)},                           // door frame
    {'d', opaque(0x9C9CA6)},                           // door leaf
    {'h', opaque(0xC4C4CC)},                           // lit edge
    {'e', opaque(0x6E6E78)},                           // shaded edge
    {'n', opaque(0x303034)},                           // handle
};
// clang-format off
constexpr std::string_view kOutArt[] = {
    ".oooooooooooooooooooooooooooooo.",
    ".oyyyyyyyyyyyyyyyyyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyyyyyyyyyyyyyyyyyo.",
    ".oyyyrrrryyryyyryyrrryyrrrrryyo.",
    ".oyyyryyyyyyryryyyyryyyyyryyyyo.",
    ".oyyyrrryyyyyryyyyyryyyyyryyyyo.",
    ".oyyyryyyyyyryryyyyryyyyyryyyyo.",
    ".oyyyrrrryyryyyryyrrryyyyryyyyo.",
    ".oyyyyyyyyyyyyyyyyyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyyyyyyyyyyyyyyyyyo.",
    ".oooooooooooooooooooooooooooooo.",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "...kkhdddddddddehdddddddddekk...",
    "...kkhdddddddddehdddddddddekk...",
    "...kkhdeeeeeeedehdeeeeeeedekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdhhhhhhhdehdhhhhhhhdekk...",
    "...kkhddddddddnehnddddddddekk...",
    "...kkhddddddddnehnddddddddekk...",
    "...kkhdeeeeeeedehdeeeeeeedekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdedddddhdehdedddddhdekk...",
    "...kkhdhhhhhhhdehdhhhhhhhdekk...",
    "...kkhdddddddddehdddddddddekk...",
    "...kkhdddddddddehdddddddddekk...",
};
// clang-format on

// hashi: the plank, rows 0-6 dark green, rows 7-31 black.
constexpr Ink kHashiInks[] = {{'.', kBlack}, {'P', opaque(0x206040)}};
// clang-format off
constexpr std::string_view kHashiArt[] = {
    "PPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPP",
    "PPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPP",
    "PPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPP",
    "PPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPP",
    "PPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPP",
    "PPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPP",
    "PPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPP",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};
// clang-format on
// Picture3: the JUMP arrow; '_' is transparent, stored black.
constexpr Ink kPicture3Inks[] = {
    {'_', kTransparent},
    {'F', opaque(0x00A2E8)},
    {'O', opaque(0x3E48CC)},
};
// clang-format off
constexpr std::string_view kPicture3Art[] = {
    "_______________OO_______________",
    "______________OFFO______________",
    "_____________OFFFFO_____________",
    "____________OFFFFFFO____________",
    "___________OFFFFFFFFO___________",
    "__________OFFFFFFFFFFO__________",
    "_________OFFFFFFFFFFFFO_________",
    "________OFFFFFFFFFFFFFFO________",
    "_______OFFFFFFFFFFFFFFFFO_______",
    "______OFFFFFFFFFFFFFFFFFFO______",
    "_____OFFFFFFFFFFFFFFFFFFFFO_____",
    "____OFFFFFFFFFFFFFFFFFFFFFFO____",
    "___OFFFFFFFFFFFFFFFFFFFFFFFFO___",
    "__OFFFFFFFFFFFFFFFFFFFFFFFFFFO__",
    "_OFFFFFFFFFFFFFFFFFFFFFFFFFFFFO_",
    "OOOOOOOOOOOOOFFFFFFFOOOOOOOOOOOO",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OFFFFFO____________",
    "_____________OOOOOOO____________",
    "________________________________",
};
// clang-format on
// Picture4: the DIG shovel on white.
constexpr Ink kPicture4Inks[] = {
    {'W', opaque(0xFFFFFF)}, {'r', opaque(0x8B1A1A)},  // outline
    {'k', opaque(0x4C4C50)},                           // handle
    {'m', opaque(0x9A9AA0)},                           // blade, shaded
    {'l', opaque(0xD0D0D6)},                           // blade
    {'h', opaque(0xF2F2F6)},                           // blade, lit
    {'d', opaque(0x707078)},                           // socket
};
// clang-format off
constexpr std::string_view kPicture4Art[] = {
    "WWWWWrrWWWWWWWWWWWWWWWWWWWWWWWWW",
    "WWWWrkkrWWWWWWWWWWWWWWWWWWWWWWWW",
    "WWWrkkrWWWWWWWWWWWWWWWWWWWWWWWWW",
    "WWrkkrWWWWWWWWWWWWWWWWWWWWWWWWWW",
    "WrkkkkrWWWWWWWWWWWWWWWWWWWWWWWWW",
    "rkkrkkkrWWWWWWWWWWWWWWWWWWWWWWWW",
    "rkrWrkkkrWWWWWWWWWWWWWWWWWWWWWWW",
    "WrWWWrkkkrWWWWWWWWWWWWWWWWWWWWWW",
    "WWWWWWrkkkrWWWWWWWWWWWWWWWWWWWWW",
    "WWWWWWWrkkkrWWWWWWWWWWWWWWWWWWWW",
    "WWWWWWWWrkkkrWWWWWWWWWWWWWWWWWWW",
    "WWWWWWWWWrkkkrWWWWWWWWWWWWWWWWWW",
    "WWWWWWWWWWrkkkrWWWWWWWWWWWWWWWWW",
    "WWWWWWWWWWWrkkkrrWWWWrWWWWWWWWWW",
    "WWWWWWWWWWWWrkkkdrWrrlrWWWWWWWWW",
    "WWWWWWWWWWWWWrkdddrllllrWWWWWWWW",
    "WWWWWWWWWWWWWrdddddlllllrWWWWWWW",
    "WWWWWWWWWWWWWWrdddllhhlllrWWWWWW",
    "WWWWWWWWWWWWWWWrdllllhhlllrWWWWW",
    "WWWWWWWWWWWWWWrmmlllllhhlllrWWWW",
    "WWWWWWWWWWWWWWrmmmlllllhhlllrWWW",
    "WWWWWWWWWWWWWrmmmmmlllllhhllrWWW",
    "WWWWWWWWWWWWWWrmmmmmlllllhhlrWWW",
    "WWWWWWWWWWWWWWWrmmmmmlllllhhrWWW",
    "WWWWWWWWWWWWWWWWrmmmmmlllllllrWW",
    "WWWWWWWWWWWWWWWWWrmmmmmllllllrWW",
    "WWWWWWWWWWWWWWWWWWrmmmmmlllllrWW",
    "WWWWWWWWWWWWWWWWWWWrmmmmmllllrWW",
    "WWWWWWWWWWWWWWWWWWWWrrrrmmlllrWW",
    "WWWWWWWWWWWWWWWWWWWWWWWWrrrrrrWW",
    "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
    "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
};
// clang-format on

Image makeTile(Tile holder) {
    switch (holder) {
        case Tile::WALL:
            return decodeArt(kWallInks, kWallArt);
        case Tile::INGO:
            return decodeArt(kIngoInks, kIngoArt);
        case Tile::out:
            return decodeArt(kOutInks, kOutArt);
        case Tile::ZERO:
            return Image(kTileSize, kTileSize, kBlack);
        case Tile::hashi:
            return decodeArt(kHashiInks, kHashiArt);
        case Tile::Picture3:
            return decodeArt(kPicture3Inks, kPicture3Art);
        case Tile::Picture4:
            return decodeArt(kPicture4Inks, kPicture4Art);
    }
    return {};
}

}  // namespace

const Image& tile(Tile holder) {
    static const std::array<Image, kTileCount> tiles = [] {
        std::array<Image, kTileCount> all;
        for (int i = 0; i < kTileCount; ++i)
            all[i] = makeTile(static_cast<Tile>(i));
        return all;
    }();
    return tiles.at(static_cast<std::size_t>(holder));
}

const Image& picture2() {
    static const Image rock = tile(Tile::WALL);
    return rock;
}

}  // namespace sledloop::pictures
