// What must hold of the game's variables after every event, whatever the
// player or the machine did. The fuzzer and the event storm check it.
#pragma once

#include <string>

#include "state/game_state.h"

namespace sledloop {

// Empty when everything holds; otherwise what was found broken first.
std::string brokenInvariant(const GameState& s);

}  // namespace sledloop
