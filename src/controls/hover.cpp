// The hover preview: the chosen skill's picture painted where the santa's
// sprite is, whether or not the skill could be used there.
#include "controls/handlers.h"

namespace sledloop {

void onSantaHover(Game& game, int slot) {
    if (!inRoster(slot)) return;
    const GameState& s = game.state;
    Tile picture;
    switch (s.SelectedSkill) {
        case DIG:
            picture = Tile::Picture4;
            break;
        case BRIDGE:
            picture = Tile::hashi;
            break;
        case ROCK:
            picture = Tile::WALL;
            break;
        case JUMP:
            picture = Tile::Picture3;
            break;
        default:
            return;
    }
    game.window.paint(picture, spriteLeft(s.SantaCol[slot]), spriteTop(s.SantaRow[slot]));
}

}  // namespace sledloop
