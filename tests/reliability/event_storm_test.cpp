// A storm of random SDL events on the real window while the stages run on
// the hand-moved clock: every mouse button, double clicks, keys, window
// events, anywhere in and around the window. After every batch the game's
// variables must hold, the stock labels must show the stock, and the window
// must have delivered only what it promises; at the end START still starts.
//
// Each stage has its own test: the stages before it are played through
// cleanly first, then the storm blows. SLEDLOOP_STORM_SEED=N replays a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "stages/catalogue.h"
#include "state/invariants.h"
#include "state/texts.h"
#include "traced_game.h"
#include "ui/sdl/form_layout.h"

namespace sledloop::reliability {
namespace {

namespace fs = std::filesystem;
using sdl::Box;

constexpr long long kEventsPerStage = 10'000;  // ten tests: 100,000 in all
constexpr std::uint64_t kSeed = 20261210;

std::uint64_t seed() {
    const char* text = std::getenv("SLEDLOOP_STORM_SEED");
    return text ? std::strtoull(text, nullptr, 10) : kSeed;
}

// splitmix64: the same numbers from the same seed with any standard library.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool percent(int p) { return below(100) < p; }
    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) {
        return items[below(static_cast<int>(N))];
    }

  private:
    std::uint64_t state_;
};

const std::uint8_t kButtons[] = {SDL_BUTTON_LEFT,   SDL_BUTTON_LEFT,  SDL_BUTTON_LEFT,
                                 SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT, SDL_BUTTON_X1,
                                 SDL_BUTTON_X2};
// Space and Enter click START, so the storm uses them sparingly: a stage
// restarted every few seconds would never run to its end.
const SDL_Keycode kStartKeys[] = {SDLK_SPACE, SDLK_RETURN, SDLK_KP_ENTER};
const SDL_Keycode kOtherKeys[] = {SDLK_ESCAPE, SDLK_a,    SDLK_d,      SDLK_q,         SDLK_r,
                                  SDLK_s,      SDLK_x,    SDLK_z,      SDLK_1,         SDLK_4,
                                  SDLK_UP,     SDLK_DOWN, SDLK_LEFT,   SDLK_RIGHT,     SDLK_TAB,
                                  SDLK_F1,     SDLK_F4,   SDLK_LALT,   SDLK_LCTRL,     SDLK_LSHIFT,
                                  SDLK_DELETE, SDLK_HOME, SDLK_PAGEUP, SDLK_BACKSPACE, SDLK_MENU};
// Every window event but the close, which the storm withholds.
const std::uint8_t kWindowEvents[] = {
    SDL_WINDOWEVENT_SHOWN,        SDL_WINDOWEVENT_HIDDEN,     SDL_WINDOWEVENT_EXPOSED,
    SDL_WINDOWEVENT_MOVED,        SDL_WINDOWEVENT_MINIMIZED,  SDL_WINDOWEVENT_RESTORED,
    SDL_WINDOWEVENT_ENTER,        SDL_WINDOWEVENT_LEAVE,      SDL_WINDOWEVENT_FOCUS_GAINED,
    SDL_WINDOWEVENT_FOCUS_LOST,   SDL_WINDOWEVENT_TAKE_FOCUS, SDL_WINDOWEVENT_EXPOSED,
    SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_RESIZED,
    SDL_WINDOWEVENT_SIZE_CHANGED, SDL_WINDOWEVENT_MAXIMIZED};

struct Point {
    int x, y;
};

// A coordinate moved by a pixel or two, the far ones kept in range.
int nudged(int v, Random& random) {
    const long long moved = static_cast<long long>(v) + random.between(-2, 2);
    return static_cast<int>(std::clamp<long long>(moved, INT_MIN, INT_MAX));
}

Point inside(Random& random, const Box& box) {
    return {box.x + random.below(box.w), box.y + random.below(box.h)};
}

// Random SDL events over every part of the window and beyond its edges.
class Storm {
  public:
    Storm(TracedGame& game, Random& random) : game_(game), random_(random) {}

    // Pushes a few events; how many. A calm storm leaves START alone, so that
    // stages run to their time-out or clear.
    int blow(bool calm) {
        calm_ = calm;
        const int kind = random_.below(100);
        if (kind < 30) return motion();
        if (kind < 45) return click();
        if (kind < 60) return button(random_.percent(50));
        if (kind < 68) return doubleClick();
        if (kind < 85) return key();
        if (kind < 95) return window();
        return other();
    }

    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }

  private:
    Point somewhere() {
        const sdl::FormState& form = game_.window().form();
        switch (random_.below(9)) {
            case 0:
            case 1:
                return inside(random_, {0, 0, sdl::kClient.w, kFieldHeight});
            case 2:
            case 3: {
                std::vector<int> onField;
                for (int k = 0; k < kRosterSlots; ++k) {
                    if (form.sprites[k].visible && form.sprites[k].top < kFieldHeight)
                        onField.push_back(k);
                }
                if (onField.empty()) return inside(random_, {0, 0, sdl::kClient.w, kFieldHeight});
                const sdl::SpriteView& s =
                    form.sprites[onField[random_.below(static_cast<int>(onField.size()))]];
                return inside(random_, {s.left, s.top, sdl::kTileSize, sdl::kTileSize});
            }
            case 4:
                return inside(random_, sdl::kPalette[random_.below(kFrameCount)].box);
            case 5:
                return inside(random_, calm_ ? sdl::kPanel : sdl::kCommand1);
            case 6:
                return inside(random_, sdl::kPanel);
            case 7:
                return inside(random_, sdl::kBanner);
            default: {
                // Off the client area, now and then far off.
                const Point far[] = {{INT_MIN, 0},
                                     {INT_MAX, INT_MAX},
                                     {-1, -1},
                                     {0, INT_MIN},
                                     {sdl::kClient.w, sdl::kClient.h}};
                if (random_.percent(10)) return random_.pick(far);
                return {random_.between(-200, sdl::kClient.w + 200),
                        random_.percent(50)
                            ? random_.between(-200, -1)
                            : random_.between(sdl::kClient.h, sdl::kClient.h + 200)};
            }
        }
    }

    void note(const char* what, Point p, int detail = 0) {
        log_.push_back(std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y) +
                       " " + std::to_string(detail));
    }

    static int push(const SDL_Event& e) { return TracedGame::push(e) ? 1 : 0; }

    int motion() {
        const Point p = somewhere();
        SDL_Event e{};
        e.motion.type = SDL_MOUSEMOTION;
        e.motion.windowID = windowId();
        e.motion.x = p.x;
        e.motion.y = p.y;
        e.motion.xrel = random_.between(-40, 40);
        e.motion.yrel = random_.between(-40, 40);
        e.motion.state = static_cast<Uint32>(random_.below(32));
        note("motion", p);
        return push(e);
    }

    SDL_Event buttonEvent(bool down, std::uint8_t which, std::uint8_t clicks, Point p) {
        SDL_Event e = mouseButton(down, p.x, p.y, which, clicks);
        e.button.windowID = windowId();
        note(down ? "down" : "up", p, which * 10 + clicks);
        return e;
    }

    int button(bool down) {
        SDL_Event e = buttonEvent(down, random_.pick(kButtons),
                                  static_cast<std::uint8_t>(random_.between(1, 3)), somewhere());
        return push(e);
    }

    // A press and its release at about the same place.
    int click() {
        const Point p = somewhere();
        const std::uint8_t which = random_.pick(kButtons);
        const Point q{nudged(p.x, random_), nudged(p.y, random_)};
        SDL_Event down = buttonEvent(true, which, 1, p);
        SDL_Event up = buttonEvent(false, which, 1, q);
        return push(down) + push(up);
    }

    // As SDL reports one: a click, then a second press and release counted 2.
    int doubleClick() {
        const Point p = somewhere();
        const std::uint8_t which = random_.percent(80) ? SDL_BUTTON_LEFT : random_.pick(kButtons);
        int pushed = 0;
        for (std::uint8_t clicks = 1; clicks <= 2; ++clicks) {
            SDL_Event down = buttonEvent(true, which, clicks, p);
            SDL_Event up = buttonEvent(false, which, clicks, p);
            pushed += push(down);
            pushed += push(up);
        }
        return pushed;
    }

    int key() {
        SDL_Event e{};
        const bool down = random_.percent(50);
        e.key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.windowID = windowId();
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.repeat = down && random_.percent(10) ? 1 : 0;
        e.key.keysym.sym =
            calm_ || !random_.percent(8) ? random_.pick(kOtherKeys) : random_.pick(kStartKeys);
        e.key.keysym.scancode = SDL_GetScancodeFromKey(e.key.keysym.sym);
        note(down ? "keydown" : "keyup", {0, 0}, e.key.keysym.sym);
        return push(e);
    }

    int window() {
        SDL_Event e{};
        e.window.type = SDL_WINDOWEVENT;
        e.window.windowID = windowId();
        e.window.event = random_.pick(kWindowEvents);
        // Sizes and places as a window manager might report them, odd ones too.
        e.window.data1 = random_.between(-100, 2000);
        e.window.data2 = random_.between(-100, 2000);
        note("window", {0, 0}, e.window.event);
        return push(e);
    }

    // Events the window has no use for.
    int other() {
        SDL_Event e{};
        switch (random_.below(3)) {
            case 0:
                e.wheel.type = SDL_MOUSEWHEEL;
                e.wheel.windowID = windowId();
                e.wheel.y = random_.between(-3, 3);
                break;
            case 1:
                e.text.type = SDL_TEXTINPUT;
                e.text.windowID = windowId();
                e.text.text[0] = static_cast<char>(random_.between('a', 'z'));
                break;
            default:
                e.user.type = SDL_USEREVENT;
                e.user.code = random_.between(0, 1000);
                break;
        }
        note("other", {0, 0}, static_cast<int>(e.type));
        return push(e);
    }

    Uint32 windowId() const { return SDL_GetWindowID(game_.window().sdlWindow()); }

    TracedGame& game_;
    Random& random_;
    bool calm_ = false;
    std::vector<std::string> log_;
};

// What must hold whatever the player did; empty when it does.
std::string broken(const TracedGame& game) {
    std::string what = brokenInvariant(game.state());
    if (!what.empty()) return what;
    for (int k = 0; k < kSkillCount; ++k) {
        const NumberText stock(game.state().SkillStock[k]);
        const std::string& shown = game.window().form().label(useLabel(k));
        if (shown != stock.view())
            return "USE(" + std::to_string(k) + ") shows \"" + shown + "\", stock is " +
                   std::string(stock.view());
    }
    if (!game.echo().misdelivered().empty())
        return "delivered what the window should not: " + game.echo().misdelivered().front();
    if (game.window().closed()) return "the window closed";
    return {};
}

long long countOf(const std::string& text, const std::string& line) {
    long long n = 0;
    for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        ++n;
    return n;
}

struct Tally {
    long long events = 0, batches = 0, timeOuts = 0, clears = 0;
};

class EventStorm : public ::testing::TestWithParam<int> {};

TEST_P(EventStorm, TheGameHoldsAndStillAnswersStart) {
    const int stage = GetParam();
    const std::uint64_t s = seed() + static_cast<std::uint64_t>(stage);
    SCOPED_TRACE("storm seed " + std::to_string(s) +
                 " (SLEDLOOP_STORM_SEED=" + std::to_string(seed()) + " replays it)");
    std::ostringstream soundLog;
    std::string error;
    auto game = TracedGame::open(error, soundLog);
    ASSERT_TRUE(game) << error;

    // The stages before this one, cleared as the stage scripts clear them,
    // which press santas that others cover as well.
    std::vector<replay::Event> earlier{{replay::Kind::Load, 0}};
    if (stage > 1)
        earlier =
            readScript(fs::path(SLEDLOOP_STAGES) / ("stage" + std::to_string(stage - 1) + ".txt"));
    std::string why;
    ASSERT_TRUE(game->play(earlier, why, TracedGame::Covered::HandOver)) << why;
    ASSERT_EQ(game->state().StageNumber, stage);
    game->takeTrace();
    const EchoEvents::Counts before = game->echo().counts();

    Random random(s);
    Storm storm(*game, random);
    Tally tally;
    const auto check = [&](const char* when) {
        const std::string what = broken(*game);
        if (what.empty()) return true;
        std::string events;
        for (const std::string& e : storm.log())
            events += "  " + e + "\n";
        ADD_FAILURE() << what << " " << when << " batch " << tally.batches << " at "
                      << game->window().timers().now() << " ms; its events:\n"
                      << events << "its trace:\n"
                      << game->takeTrace();
        return false;
    };
    const auto count = [&] {
        const std::string trace = game->takeTrace();
        tally.timeOuts += countOf(trace, "effect gameover.wav\n");
        tally.clears += countOf(trace, "effect clear.wav\n");
    };

    bool calm = false;
    while (tally.events < kEventsPerStage) {
        ++tally.batches;
        storm.clearLog();
        if (random.percent(5)) calm = !calm;
        for (int n = random.between(1, 48); n > 0; --n)
            tally.events += storm.blow(calm);
        if (!calm && random.percent(3)) {
            game->clickStart();
            tally.events += 2;
        }
        game->window().pump();
        if (!check("after")) return;
        count();

        const int r = random.below(100);
        if (r < 40) {
            game->wait(random.between(0, 300));
        } else if (r < 70) {
            game->wait(random.between(300, 3000));
        } else if (r < 97) {
            game->wait(random.between(2000, 20000));
        } else {
            // Back from a suspend: the window drops the ticks it missed.
            game->clock().advance(random.between(20000, 200000));
            game->window().pump();
        }
        if (!check("waiting after")) return;
        count();
    }

    // Bring the window back to the front, let go of every button and key,
    // then START.
    for (const std::uint8_t shown :
         {SDL_WINDOWEVENT_SHOWN, SDL_WINDOWEVENT_RESTORED, SDL_WINDOWEVENT_EXPOSED}) {
        SDL_Event e{};
        e.window.type = SDL_WINDOWEVENT;
        e.window.windowID = SDL_GetWindowID(game->window().sdlWindow());
        e.window.event = shown;
        TracedGame::push(e);
    }
    for (const std::uint8_t b :
         {SDL_BUTTON_LEFT, SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT, SDL_BUTTON_X1, SDL_BUTTON_X2})
        TracedGame::pushButton(false, -10, -10, b);
    TracedGame::pushKey(SDLK_SPACE, false);
    game->window().pump();
    count();
    const std::int64_t now = game->window().timers().now();
    game->clickStart();
    game->window().pump();
    const std::string trace = game->takeTrace();
    EXPECT_TRUE(trace.starts_with("> " + std::to_string(now) + " button\n")) << trace;

    const sdl::FormState& form = game->window().form();
    EXPECT_FALSE(form.titleVisible);
    EXPECT_FALSE(form.bannerVisible);
    // And the window still draws what it holds: each palette frame in its colour.
    const std::vector<std::uint32_t> pixels = game->window().readPixels();
    for (int f = 0; f < kFrameCount; ++f) {
        const Box& box = sdl::kPalette[f].box;
        const std::uint32_t argb = pixels[static_cast<std::size_t>(box.y + 100) * sdl::kClient.w +
                                          static_cast<std::size_t>(box.x + 8)];
        const Rgb color = form.frameColors[f];
        EXPECT_EQ(argb & 0xFFFFFFu,
                  static_cast<std::uint32_t>(color.r << 16 | color.g << 8 | color.b))
            << "Frame" << f + 1;
    }
    const GameState& state = game->state();
    const sdl::GameWindow& window = game->window();
    if (const Stage* played = findStage(state.StageNumber)) {
        EXPECT_EQ(state.ClockTicks, 9);
        EXPECT_EQ(state.SkillStock, played->stock);
        EXPECT_EQ(window.timers().interval(TimerId::Timer1), 1000);
        EXPECT_EQ(window.timers().interval(TimerId::Timer2), played->movementInterval);
        EXPECT_EQ(window.timers().interval(TimerId::Timer3), 2000);
    } else {
        // Past the last stage START lays the bare border and nothing runs.
        EXPECT_FALSE(window.timers().nextDue());
    }
    EXPECT_TRUE(check("after the last START"));

    const EchoEvents::Counts got = game->echo().counts() - before;
    std::cout << "stage " << stage << ": " << tally.events << " events in " << tally.batches
              << " batches; delivered " << got.clicks << " START clicks, " << got.frameClicks
              << " frame clicks, " << got.doubleClicks << " double clicks, " << got.presses
              << " santa presses, " << got.hovers << " hovers, " << got.ticks << " ticks; "
              << tally.timeOuts << " time-outs, " << tally.clears << " clears; reached stage "
              << state.StageNumber << "\n";
    // The storm reached every kind of control, or it proved little.
    EXPECT_GT(got.clicks, 1);
    EXPECT_GT(got.frameClicks, 0);
    EXPECT_GT(got.doubleClicks, 0);
    if (findStage(stage)) {
        EXPECT_GT(got.presses, 0);
        EXPECT_GT(got.hovers, 0);
        EXPECT_GT(got.ticks, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Reliability, EventStorm, ::testing::Range(1, 11),
                         [](const auto& info) { return "Stage" + std::to_string(info.param); });

}  // namespace
}  // namespace sledloop::reliability
