// Found by the event storm: a santa pressed with one button holds the mouse
// until every button is let go, and it went on taking presses and hovers
// after START had hidden it, handing skills to a santa off the field.
#include <gtest/gtest.h>

#include <sstream>

#include "traced_game.h"

namespace sledloop::reliability {
namespace {

using replay::Kind;
using Events = std::vector<std::string>;

// The events of a trace, without their times.
Events eventsIn(const std::string& trace) {
    Events events;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("> ")) events.push_back(line.substr(line.find(' ', 2) + 1));
    }
    return events;
}

TEST(CapturedSprite, TakesTheMouseWhileShownAndNothingOnceHidden) {
    std::ostringstream soundLog;
    std::string error;
    auto game = TracedGame::open(error, soundLog);
    ASSERT_TRUE(game) << error;
    std::string why;
    // Santa 1 has landed and walks.
    ASSERT_TRUE(game->play({{Kind::Load, 0}, {Kind::Button, 0}, {Kind::Wait, 3400}}, why)) << why;
    int x = 0, y = 0;
    ASSERT_TRUE(game->spritePixel(1, x, y));
    game->takeTrace();

    // The right button holds santa 1; a left press and a move far from it
    // still go to it.
    TracedGame::pushButton(true, x, y, SDL_BUTTON_RIGHT);
    TracedGame::pushButton(true, 700, 40);
    TracedGame::pushButton(false, 700, 40);
    game->window().pump();
    EXPECT_EQ(eventsIn(game->takeTrace()), (Events{"press santa(1)", "press santa(1)"}));

    // Enter restarts the stage, which hides every santa; the right button
    // is still down.
    TracedGame::pushKey(SDLK_RETURN, true);
    TracedGame::pushKey(SDLK_RETURN, false);
    game->window().pump();
    ASSERT_FALSE(game->window().form().sprites[1].visible);
    game->takeTrace();
    TracedGame::pushButton(true, 700, 40);
    TracedGame::pushButton(true, 700, 40, SDL_BUTTON_MIDDLE);
    TracedGame::push(mouseMotion(705, 45));
    game->window().pump();
    EXPECT_EQ(game->takeTrace(), "");
    EXPECT_EQ(game->state().SantaState[1], StateOff);

    // Let go of everything: santa 1 enters on its turn and takes presses again.
    TracedGame::pushButton(false, 700, 40);
    TracedGame::pushButton(false, 700, 40, SDL_BUTTON_MIDDLE);
    TracedGame::pushButton(false, 700, 40, SDL_BUTTON_RIGHT);
    game->wait(1500);
    ASSERT_TRUE(game->window().form().sprites[1].visible);
    ASSERT_TRUE(game->spritePixel(1, x, y));
    game->takeTrace();
    game->click(x, y);
    game->window().pump();
    EXPECT_EQ(eventsIn(game->takeTrace()), Events{"press santa(1)"});
}

}  // namespace
}  // namespace sledloop::reliability
