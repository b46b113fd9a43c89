#pragma once

#include "controls/handlers.h"

namespace sledloop {

// Builds stage `stage` into the map, the roster, the counters and the window.
// Outside 1..9 only the border is drawn and everything else stays as it was.
void SetStage(Game& game, int stage);

}  // namespace sledloop
