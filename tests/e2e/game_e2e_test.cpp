// The built game on a private X server, clicked with xdotool like a player
// would, and looked at through the X server's own pixels.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "process.h"
#include "ui/sdl/form_layout.h"
#include "ui/sdl/picture_set.h"
#include "x11_capture.h"
#include "xvfb.h"

namespace sledloop::e2e {
namespace {

using namespace std::chrono_literals;
using sdl::Picture;

// Whether the picture lies unscaled at (left, top) of the capture.
bool shows(const Capture& c, const Picture& p, int left, int top, int width = 32) {
    if (left < 0 || top < 0 || left + width > c.width || top + p.height > c.height) return false;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < width; ++x)
            if (c.at(left + x, top + y) != p.at(x, y)) return false;
    return true;
}

bool showsAnywhereOnTheField(const Capture& c, const Picture& p) {
    for (int top = 0; top + p.height <= kFieldHeight; ++top)
        for (int left = 0; left + p.width <= c.width; ++left)
            if (shows(c, p, left, top)) return true;
    return false;
}

template <typename Predicate>
bool within(std::chrono::milliseconds limit, Predicate done) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(100ms);
    }
    return done();
}

class GameOnX : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        xvfb_ = Xvfb::start(error);
        ASSERT_TRUE(xvfb_) << error;
    }
    std::string display() const { return xvfb_->display(); }

  private:
    std::unique_ptr<Xvfb> xvfb_;
};

TEST_F(GameOnX, StartPlaysStageOneAndClosingTheWindowEndsWithStatusZero) {
    const std::string errors = ::testing::TempDir() + "sledloop-e2e-stderr.txt";
    Process game({{SLEDLOOP_BIN},
                  {{"DISPLAY", display()},
                   {"SDL_VIDEODRIVER", std::nullopt},
                   {"WAYLAND_DISPLAY", std::nullopt},
                   // The test's session has no message bus: without this, libdbus
                   // would start one on our X server for SDL and leave it running.
                   {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + ::testing::TempDir() + "no-bus"}},
                  SLEDLOOP_BIN_DIR,
                  "",
                  errors,
                  -1});

    const RunResult search = runProgram(
        {"xdotool", "search", "--sync", "--onlyvisible", "--name", "^sledloop$"}, display(), 20s);
    ASSERT_TRUE(search.status && search.status->exited && search.status->code == 0)
        << "no window appeared; the game said: " << readFile(errors);
    const unsigned long window = std::stoul(search.out);

    auto x11 = X11Connection::open(display());
    ASSERT_TRUE(x11);
    std::optional<Capture> shot = x11->capture(window);
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width, 957);
    ASSERT_EQ(shot->height, 651);

    // Centred, with a close box but no minimize or maximize, and its icon.
    const std::optional<WindowFacts> facts = x11->facts(window);
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->x, (facts->screenWidth - 957) / 2);
    EXPECT_EQ(facts->y, (facts->screenHeight - 651) / 2);
    constexpr unsigned long move = 4, minimize = 8, maximize = 16, close = 32;
    ASSERT_TRUE(facts->motifFunctions);
    EXPECT_EQ(*facts->motifFunctions & (move | minimize | maximize | close), move | close);
    EXPECT_EQ(facts->iconWidth, 48);
    EXPECT_EQ(facts->iconHeight, 48);

    const sdl::PictureSet pictures = sdl::PictureSet::load();
    const Picture& wall = pictures.tile(Tile::WALL);
    EXPECT_FALSE(shows(*shot, wall, 0, 96)) << "the title picture covers the field at first";

    const int x = sdl::kCommand1.x + sdl::kCommand1.w / 2;
    const int y = sdl::kCommand1.y + sdl::kCommand1.h / 2;
    const RunResult click = runProgram({"xdotool", "mousemove", "--window", std::to_string(window),
                                        std::to_string(x), std::to_string(y), "click", "1"},
                                       display(), 10s);
    ASSERT_TRUE(click.status && click.status->exited && click.status->code == 0) << click.out;

    // The border: a full wall tile at the left and 29 columns of one at the right.
    EXPECT_TRUE(within(10s, [&] {
        shot = x11->capture(window);
        return shot && shows(*shot, wall, 0, 96) && shows(*shot, wall, 928, 96, 29);
    })) << "no border after START";

    // The first santa enters after a second and walks.
    EXPECT_TRUE(within(20s, [&] {
        shot = x11->capture(window);
        if (!shot) return false;
        for (SpriteSource s : {SpriteSource::santaS, SpriteSource::santa0, SpriteSource::santa20})
            if (showsAnywhereOnTheField(*shot, pictures.sprite(s))) return true;
        return false;
    })) << "no santa on the field";

    ASSERT_TRUE(x11->requestClose(window));
    const std::optional<ExitStatus> status = game.wait(15s);
    ASSERT_TRUE(status) << "the game did not end when its window was closed";
    EXPECT_TRUE(status->exited);
    EXPECT_EQ(status->code, 0) << readFile(errors);
}

TEST(GameWithoutDisplay, SaysSoInOneLineAndExitsWithStatusOne) {
    const std::string errors = ::testing::TempDir() + "sledloop-e2e-nodisplay.txt";
    Process game({{SLEDLOOP_BIN},
                  {{"DISPLAY", std::nullopt},
                   {"WAYLAND_DISPLAY", std::nullopt},
                   {"SDL_VIDEODRIVER", std::nullopt}},
                  SLEDLOOP_BIN_DIR,
                  "",
                  errors,
                  -1});
    const std::optional<ExitStatus> status = game.wait(20s);
    ASSERT_TRUE(status) << "the game ran on without a display";
    EXPECT_TRUE(status->exited);
    EXPECT_EQ(status->code, 1);
    const std::string message = readFile(errors);
    EXPECT_EQ(message.rfind("sledloop: cannot open the window: ", 0), 0u) << message;
    EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line: " << message;
}

}  // namespace
}  // namespace sledloop::e2e
