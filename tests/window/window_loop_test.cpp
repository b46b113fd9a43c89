// The timers on the window's clock, opening without a display, and the fonts.
#include <cstdlib>
#include <optional>

#include "ui/sdl/fonts.h"
#include "window_fixture.h"

namespace sledloop::sdl::testing {
namespace {

using Log = std::vector<std::string>;

class LoopTest : public RecordedWindowTest {};

TEST_F(LoopTest, TicksComeAtTheirDueTimesInTimerOrder) {
    window->ops().setTimerInterval(TimerId::Timer1, 1000);
    window->ops().setTimerInterval(TimerId::Timer2, 500);
    wait(999);
    EXPECT_EQ(take(), Log{"tick Timer2"});
    wait(1);  // both due at 1000: Timer1 first
    EXPECT_EQ(take(), (Log{"tick Timer1", "tick Timer2"}));
    window->ops().setTimerInterval(TimerId::Timer2, 0);
    wait(2500);
    EXPECT_EQ(take(), (Log{"tick Timer1", "tick Timer1"}));
}

TEST_F(LoopTest, AnIntervalCountsFromWhenItIsSet) {
    wait(250);
    window->ops().setTimerInterval(TimerId::Timer3, 2000);
    wait(1999);
    EXPECT_EQ(take(), Log{});
    wait(1);
    EXPECT_EQ(take(), Log{"tick Timer3"});
    EXPECT_EQ(window->timers().now(), 2250);
}

// Back from a suspend, the stage goes on where it was: each timer ticks once,
// on its own beat, instead of racing through everything it missed.
TEST_F(LoopTest, ALongSleepDropsTheMissedTicks) {
    window->ops().setTimerInterval(TimerId::Timer1, 1000);
    window->ops().setTimerInterval(TimerId::Timer2, 300);
    clock.advance(3'600'150);
    window->pump();
    EXPECT_EQ(take(), (Log{"tick Timer1", "tick Timer2"}));
    wait(150);
    EXPECT_EQ(take(), Log{"tick Timer2"});
    EXPECT_EQ(window->timers().now(), 3'600'300);
}

TEST_F(LoopTest, EventsAndTicksKeepTheirOrderInTime) {
    window->ops().setTimerInterval(TimerId::Timer1, 100);
    clock.advance(150);
    pressAt(kCommand1.x + 5, kCommand1.y + 5);
    releaseAt(kCommand1.x + 5, kCommand1.y + 5);
    EXPECT_EQ(take(), (Log{"tick Timer1", "button"}));
}

TEST_F(LoopTest, WaitingReturnsAtOnceForAQueuedEventOrATickAlreadyDue) {
    // Neither call may sleep: with nothing running and nothing queued the
    // loop would wait for ever, which the test would show by hanging.
    moveTo(10, 10);
    window->waitOnce();
    window->ops().setTimerInterval(TimerId::Timer2, 300);
    clock.advance(300);
    window->waitOnce();
    EXPECT_EQ(events.log, Log{"tick Timer2"});
}

// Sets environment variables for one test and puts them back.
class ScopedEnv {
  public:
    void set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(NoDisplay, TheWindowRefusesToOpenUnseen) {
    struct Case {
        const char* driver;
        const char* display;
        const char* reasonPart;
    };
    const Case cases[] = {
        // SDL itself would fall back to its offscreen driver here.
        {nullptr, nullptr, "no display"},
        {"", nullptr, "no display"},
        {"x11", nullptr, "x11"},
        {nullptr, ":98765", "DISPLAY=:98765"},
    };
    for (const Case& c : cases) {
        ScopedEnv env;
        env.set("SDL_VIDEODRIVER", c.driver);
        env.set("DISPLAY", c.display);
        env.set("WAYLAND_DISPLAY", nullptr);
        std::string error;
        ManualClock clock;
        EXPECT_EQ(GameWindow::open(error, &clock), nullptr) << (c.driver ? c.driver : "(unset)");
        EXPECT_NE(error.find(c.reasonPart), std::string::npos) << error;
        EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "SDL left running";
    }
    // Asked for by name, the offscreen driver is accepted.
    ScopedEnv env;
    env.set("SDL_VIDEODRIVER", "offscreen");
    std::string error;
    ManualClock clock;
    EXPECT_NE(GameWindow::open(error, &clock), nullptr) << error;
}

TEST(Fonts, TheJapaneseGothicIsDrawnBoldAndTheButtonHasAPlainFace) {
    const std::optional<FontChoice> fonts = chooseFonts();
    ASSERT_TRUE(fonts);
    // fonts-ipafont-gothic is one of the game's packages.
    EXPECT_EQ(fonts->gothicBold.family, "IPAPGothic");
    EXPECT_TRUE(fonts->gothicBold.emboldened) << "the face has no bold of its own";
    EXPECT_EQ(fonts->gothic.family, "IPAPGothic");
    EXPECT_FALSE(fonts->gothic.emboldened);
    EXPECT_FALSE(fonts->ui.file.empty());
    EXPECT_FALSE(fonts->ui.emboldened);
}

}  // namespace
}  // namespace sledloop::sdl::testing
