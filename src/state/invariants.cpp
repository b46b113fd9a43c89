#include "state/invariants.h"

namespace sledloop {

namespace {
bool validCell(CellCode code) {
    return code <= CellExit || (code >= CellPickup && code <= CellPickup + 3);
}
}  // namespace

std::string brokenInvariant(const GameState& s) {
    for (int c = 0; c < kMapCols; ++c) {
        for (int r = 0; r < kMapRows; ++r) {
            if (!validCell(s.TileMap[c][r])) {
                return "cell " + std::to_string(c) + "," + std::to_string(r) + " holds " +
                       std::to_string(s.TileMap[c][r]);
            }
        }
    }
    for (int i = 0; i < kRosterSlots; ++i) {
        if (s.SantaState[i] > StateWalkLeft) {
            return "santa " + std::to_string(i) + " in state " + std::to_string(s.SantaState[i]);
        }
    }
    for (int k = 0; k < kSkillCount; ++k) {
        if (s.SkillStock[k] < 0) {
            return "stock " + std::to_string(k) + " is " + std::to_string(s.SkillStock[k]);
        }
    }
    if (s.SelectedSkill >= kSkillCount) return "selected skill " + std::to_string(s.SelectedSkill);
    if (s.LastSantaIndex < 0 || s.LastSantaIndex >= kRosterSlots) {
        return "last santa index " + std::to_string(s.LastSantaIndex);
    }
    return {};
}

}  // namespace sledloop
