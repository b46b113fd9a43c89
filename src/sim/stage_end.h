#pragma once

#include "controls/handlers.h"

namespace sledloop {

// Ends the running stage: music off, the closing sound, the field wiped, the
// banner naming the stage the button starts next, every timer stopped. A
// cleared stage advances StageNumber; a lost one keeps it.
void endStage(Game& game, bool cleared);

}  // namespace sledloop
