// The skill palette: a frame with stock left becomes the chosen one.
#include "controls/handlers.h"

namespace sledloop {

void selectSkill(Game& game, Skill skill) {
    if (game.state.SkillStock[skill] == 0) return;  // an empty skill cannot be chosen
    for (int k = 0; k < kFrameCount; ++k)
        game.window.setFrameColor(frameOf(k), kFrameIdle);
    game.window.setFrameColor(frameOf(skill), kFrameChosen);
    game.state.SelectedSkill = skill;
}

void onFrameClick(Game& game, Frame frame) {
    const int skill = static_cast<int>(frame);
    if (skill < 0 || skill >= kSkillCount) return;
    selectSkill(game, static_cast<Skill>(skill));
}

}  // namespace sledloop
