// Real SDL events at client pixels reach the handler of the front-most
// control, the way the original platform delivered them.
#include <functional>

#include "ui/sdl/form_layout.h"
#include "window_fixture.h"

namespace sledloop::sdl::testing {
namespace {

using Log = std::vector<std::string>;

class EventsTest : public RecordedWindowTest {};

TEST_F(EventsTest, AClickAnywhereInAPaletteFrameSelectsThatFrame) {
    struct Case {
        const char* where;
        int x, y;
        const char* expected;
    };
    const Case cases[] = {
        {"Frame1 caption", 230, 515, "click Frame1"},
        {"Frame2 empty corner", 322, 620, "click Frame2"},
        {"USE(2) stock label", 416 + 30, 540, "click Frame3"},
        {"Frame4 icon box", 512 + 40, 590, "click Frame4"},
        {"Frame4 last pixel", 512 + 88, 512 + 112, "click Frame4"},
    };
    for (const Case& c : cases) {
        clickAt(c.x, c.y);
        EXPECT_EQ(take(), Log{c.expected}) << c.where;
    }
    // Between two frames lies the panel, which has no click.
    clickAt(316, 560);
    EXPECT_EQ(take(), Log{});
}

TEST_F(EventsTest, AFrameClickNeedsPressAndReleaseOnTheSameFrameWithTheLeftButton) {
    pressAt(230, 560);
    releaseAt(330, 560);  // slid over to Frame2
    pressAt(330, 560, SDL_BUTTON_RIGHT);
    releaseAt(330, 560, SDL_BUTTON_RIGHT);
    EXPECT_EQ(take(), Log{});
    pressAt(230, 560);    // on Frame1's border area
    releaseAt(250, 540);  // on its stock label
    EXPECT_EQ(take(), Log{"click Frame1"});
}

TEST_F(EventsTest, ADoubleClickArrivesAsClickThenDoubleClickAndATripleStartsOver) {
    pressAt(340, 600, SDL_BUTTON_LEFT, 1);
    releaseAt(340, 600, SDL_BUTTON_LEFT, 1);
    pressAt(340, 600, SDL_BUTTON_LEFT, 2);
    releaseAt(340, 600, SDL_BUTTON_LEFT, 2);
    EXPECT_EQ(take(), (Log{"click Frame2", "dblclick Frame2"}));
    pressAt(340, 600, SDL_BUTTON_LEFT, 3);
    releaseAt(340, 600, SDL_BUTTON_LEFT, 3);
    EXPECT_EQ(take(), Log{"click Frame2"});
    // A quick second press on another frame is a click of that frame.
    pressAt(440, 600, SDL_BUTTON_LEFT, 4);
    releaseAt(440, 600, SDL_BUTTON_LEFT, 4);
    EXPECT_EQ(take(), Log{"click Frame3"});
}

TEST_F(EventsTest, Command1ClicksOnReleaseOverItAndFromTheKeyboard) {
    const int x = kCommand1.x + 60, y = kCommand1.y + 20;
    clickAt(x, y);
    EXPECT_EQ(take(), Log{"button"});

    pressAt(x, y);
    moveTo(x, y - 40);
    releaseAt(x, y - 40);  // let go off the button: no click
    EXPECT_EQ(take(), Log{});

    key(SDLK_SPACE, true);
    EXPECT_EQ(take(), Log{}) << "Space clicks when it is let go";
    key(SDLK_SPACE, false);
    EXPECT_EQ(take(), Log{"button"});
    key(SDLK_RETURN, true);
    key(SDLK_RETURN, false);
    key(SDLK_a, true);
    EXPECT_EQ(take(), Log{"button"});
}

TEST_F(EventsTest, Command1LooksPressedWhileHeld) {
    const int x = kCommand1.x + 3, y = kCommand1.y + 3;  // inside its bevel
    const Rgb up = pixel(x - 1, y - 1);
    key(SDLK_SPACE, true);
    window->pump();
    const Rgb down = pixel(x - 1, y - 1);
    key(SDLK_SPACE, false);
    window->pump();
    EXPECT_NE(hex(up), hex(down));
    EXPECT_EQ(hex(pixel(x - 1, y - 1)), hex(up));
}

TEST_F(EventsTest, ASpriteOnTheFieldTakesAnyButtonAndEveryMove) {
    window->ops().moveSprite(4, 200, 96);
    window->ops().showSprite(4);
    window->ops().hideTitle();
    pressAt(210, 100, SDL_BUTTON_RIGHT);
    releaseAt(210, 100, SDL_BUTTON_RIGHT);
    pressAt(231, 127, SDL_BUTTON_MIDDLE);
    releaseAt(231, 127, SDL_BUTTON_MIDDLE);
    moveTo(205, 100);
    moveTo(206, 100);
    moveTo(232, 100);  // just beside it
    EXPECT_EQ(take(),
              (Log{"press santa(4)", "press santa(4)", "hover santa(4)", "hover santa(4)"}));

    // Pressed on a sprite, the mouse stays with it until let go.
    pressAt(210, 100);
    moveTo(400, 300);
    releaseAt(400, 300);
    moveTo(401, 300);
    EXPECT_EQ(take(), (Log{"press santa(4)", "hover santa(4)"}));
}

TEST_F(EventsTest, OnlyTheFrontMostControlReceivesTheMouse) {
    WindowOps& ops = window->ops();
    struct Case {
        const char* what;
        std::function<void()> arrange;
        int x, y;
        const char* expected;  // nullptr: nothing delivered
    };
    const Case cases[] = {
        {"visible sprite 0 at its start, under the panel", [] {}, 840, 560, nullptr},
        {"sprite 3 behind the title picture",
         [&] {
             ops.moveSprite(3, 64, 64);
             ops.showSprite(3);
         },
         70, 70, nullptr},
        {"sprite 12 in front of the title picture",
         [&] {
             ops.moveSprite(12, 64, 64);
             ops.showSprite(12);
         },
         70, 70, "press santa(12)"},
        {"sprite 3 once the title is gone",
         [&] {
             ops.hideSprite(12);
             ops.hideTitle();
         },
         70, 70, "press santa(3)"},
        {"sprite 3 behind the banner",
         [&] {
             ops.moveSprite(3, 340, 210);
             ops.showBanner();
         },
         345, 215, nullptr},
        {"sprite 15 in front of the banner",
         [&] {
             ops.moveSprite(15, 340, 210);
             ops.showSprite(15);
         },
         345, 215, "press santa(15)"},
        {"sprite 3 once the banner is hidden",
         [&] {
             ops.hideSprite(15);
             ops.hideBanner();
         },
         345, 215, "press santa(3)"},
        {"of two overlapping sprites the earlier in the list",
         [&] {
             ops.moveSprite(0, 350, 220);
             ops.showSprite(0);
         },
         355, 225, "press santa(3)"},
        {"sprite 20 in front of sprite 10",
         [&] {
             ops.moveSprite(10, 600, 300);
             ops.showSprite(10);
             ops.moveSprite(20, 610, 300);
             ops.showSprite(20);
         },
         615, 310, "press santa(20)"},
        {"a sprite half under the panel, below its edge",
         [&] {
             ops.moveSprite(5, 700, 464);
             ops.showSprite(5);
         },
         705, 482, nullptr},
        {"the same sprite above the panel's edge", [] {}, 705, 478, "press santa(5)"},
        {"a hidden sprite", [&] { ops.hideSprite(5); }, 705, 478, nullptr},
    };
    for (const Case& c : cases) {
        c.arrange();
        pressAt(c.x, c.y);
        releaseAt(c.x, c.y);
        EXPECT_EQ(take(), c.expected ? Log{c.expected} : Log{}) << c.what;
    }
}

TEST_F(EventsTest, ThePointerFollowsTheControlUnderIt) {
    window->ops().moveSprite(11, 96, 96);
    window->ops().showSprite(11);
    struct Case {
        const char* what;
        int x, y;
        PointerKind expected;
    };
    const Case cases[] = {
        {"sprite", 100, 100, PointerKind::Icon},
        {"title picture", 500, 300, PointerKind::Arrow},
        {"panel", 100, 490, PointerKind::Arrow},
        {"Command1", kCommand1.x + 5, kCommand1.y + 5, PointerKind::Arrow},
        {"Frame1", 230, 600, PointerKind::Arrow},
        {"USE(0)", 250, 540, PointerKind::Arrow},
        {"USE(1)", 346, 540, PointerKind::IBeam},
        {"icon box of Frame2", 350, 590, PointerKind::Arrow},
    };
    for (const Case& c : cases) {
        moveTo(c.x, c.y);
        window->pump();
        EXPECT_EQ(window->pointer(), c.expected) << c.what;
    }
    window->ops().hideTitle();
    window->ops().showBanner();
    for (auto [x, y] : {std::pair{500, 300}, std::pair{400, 220}}) {
        moveTo(x, y);
        window->pump();
        EXPECT_EQ(window->pointer(), PointerKind::Reticle) << "field or banner at " << x;
    }
}

TEST_F(EventsTest, ClosingRunsUnloadOnceAndEndsTheLoop) {
    window->load();
    closeWindow();
    clickAt(kCommand1.x + 5, kCommand1.y + 5);
    EXPECT_EQ(take(), (Log{"load", "unload"}));
    EXPECT_TRUE(window->closed());
    EXPECT_EQ(window->run(), 0);
}

TEST_F(EventsTest, SdlQuitAlsoClosesTheWindow) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 1);
    EXPECT_EQ(take(), Log{"unload"});
    EXPECT_TRUE(window->closed());
}

}  // namespace
}  // namespace sledloop::sdl::testing
