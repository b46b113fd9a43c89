#pragma once

#include "tools/replay/replay.h"

namespace sledloop::fuzz {

// Aborts, with the reason on standard error, when the game's variables or
// the stock labels the window shows are out of order.
void checkInvariants(const replay::Driver& driver);

}  // namespace sledloop::fuzz
