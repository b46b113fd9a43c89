// Where the window's sprites lie when it opens, and the panel that covers
// everything below the field.
#pragma once

#include <array>

#include "state/game_state.h"

namespace sledloop {

inline constexpr int kFieldHeight = 480;  // the HUD panel starts here and covers what lies below
inline constexpr int kClientWidth = 957;
inline constexpr int kClientHeight = 651;

struct SpriteStart {
    int left, top;
    bool visible;
};

// Every sprite starts in the band under the HUD panel; 0..9 have their
// visible flag on, 10..20 off.
inline constexpr std::array<SpriteStart, kRosterSlots> kSpriteStart{{
    {832, 552, true},  {800, 544, true}, {816, 544, true}, {840, 552, true}, {840, 536, true},
    {808, 552, true},  {824, 544, true}, {856, 560, true}, {824, 552, true}, {848, 560, true},
    {104, 568, false}, {64, 560, false}, {64, 584, false}, {88, 568, false}, {112, 576, false},
    {96, 576, false},  {80, 568, false}, {72, 592, false}, {88, 568, false}, {112, 592, false},
    {80, 568, false},
}};

}  // namespace sledloop
