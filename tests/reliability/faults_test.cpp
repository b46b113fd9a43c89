// The game in surroundings that go wrong: sounds missing or broken, no audio
// device, a working directory that is gone, and the window closed at awkward
// moments. Whatever happens around it, the game plays on exactly as the
// replay tool says it does, and says at most one line about it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "broken_waves.h"
#include "sound_test_support.h"
#include "traced_game.h"
#include "ui/sdl/form_layout.h"

namespace sledloop::reliability {
namespace {

namespace fs = std::filesystem;
using replay::Event;
using replay::Kind;
using test::DiskOutput;
using test::framesOf;

std::vector<std::uint8_t> bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each of the game's wave files, changed by `change` (nothing: left out).
template <typename Change>
void writeWaves(Change change) {
    for (const char* name : kWaveFiles) {
        if (const auto bytes = change(bytesOf(fs::path(SLEDLOOP_WAVE_DIR) / name)))
            test::writeBytes(name, *bytes);
    }
}

using Bytes = std::optional<std::vector<std::uint8_t>>;

enum class Device { Disk, NoSuchDriver, DiskCannotOpen };

struct Surroundings {
    const char* name;
    void (*prepare)();  // in the fresh working directory
    Device device;
    bool heard;  // whether the sounds come out
};

const Surroundings kSurroundings[] = {
    {"GeneratedWaves", [] { writeWaves([](auto bytes) -> Bytes { return bytes; }); }, Device::Disk,
     true},
    {"WavesMissing", [] {}, Device::Disk, false},
    {"WavesEmpty", [] { writeWaves([](auto) -> Bytes { return std::vector<std::uint8_t>{}; }); },
     Device::Disk, false},
    {"WavesCutInTheHeader",
     [] {
         writeWaves([](auto bytes) -> Bytes {
             bytes.resize(30);
             return bytes;
         });
     },
     Device::Disk, false},
    {"WavesCutInTheSamples",
     [] {
         writeWaves([](auto bytes) -> Bytes {
             bytes.resize(bytes.size() / 2);
             return bytes;
         });
     },
     Device::Disk, false},
    {"WavesOfRandomBytes",
     [] {
         std::uint32_t seed = 7;
         writeWaves([&seed](auto bytes) -> Bytes { return noise(bytes.size(), ++seed); });
     },
     Device::Disk, false},
    // Tests run as root, whom no permission stops from reading: a working
    // directory removed under the game is the one it cannot read.
    {"WorkingDirectoryRemoved",
     [] {
         writeWaves([](auto bytes) -> Bytes { return bytes; });
         fs::remove_all(fs::current_path());
     },
     Device::Disk, false},
    {"NoSuchAudioDriver", [] { writeWaves([](auto bytes) -> Bytes { return bytes; }); },
     Device::NoSuchDriver, false},
    {"AudioDeviceCannotOpen", [] { writeWaves([](auto bytes) -> Bytes { return bytes; }); },
     Device::DiskCannotOpen, false},
};

void PrintTo(const Surroundings& s, std::ostream* out) {
    *out << s.name;
}

// From the load through the clears of stages 1 and 2 (every effect, the
// music, a pickup), a time-out in stage 3, and the window closed.
std::vector<Event> wholeSession() {
    std::vector<Event> events = readScript(fs::path(SLEDLOOP_STAGES) / "stage2.txt");
    events.push_back({Kind::Button, 0});
    events.push_back({Kind::Wait, 100000});
    events.push_back({Kind::Unload, 0});
    return events;
}

class GameIn : public ::testing::TestWithParam<Surroundings> {
  protected:
    void SetUp() override {
        output_ = fs::path(::testing::TempDir()) /
                  (std::string("sledloop-faults-") + GetParam().name + ".raw");
        fs::remove(output_);
        switch (GetParam().device) {
            case Device::Disk:
                ::setenv("SDL_AUDIODRIVER", "disk", 1);
                ::setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
                break;
            case Device::NoSuchDriver:
                ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
                break;
            case Device::DiskCannotOpen:
                ::setenv("SDL_AUDIODRIVER", "disk", 1);
                ::setenv("SDL_DISKAUDIOFILE", "/no-such-folder/mixed.raw", 1);
                break;
        }
        ::unsetenv("SDL_DISKAUDIODELAY");  // the disk driver keeps to real time
    }
    void TearDown() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ::unsetenv("SDL_DISKAUDIOFILE");
        fs::remove(output_);
    }

    fs::path output_;
};

TEST_P(GameIn, PlaysAsTheReplayToolSaysAndSoundsOnlyWhatItCan) {
    const Surroundings& s = GetParam();
    const std::vector<Event> session = wholeSession();
    const std::string expected = replayTrace(session);

    test::ScratchDir workDir;
    s.prepare();
    std::ostringstream soundLog;
    std::string error;
    auto game = TracedGame::open(error, soundLog);
    ASSERT_TRUE(game) << error;
    std::string why;
    ASSERT_TRUE(game->play(session, why)) << why;
    EXPECT_TRUE(game->window().closed());
    const std::string trace = game->takeTrace();
    EXPECT_EQ(trace, expected);
    EXPECT_NE(trace.find("effect get.wav\n"), std::string::npos) << "the session has a pickup";
    EXPECT_NE(trace.find("effect gameover.wav\n"), std::string::npos) << "and a time-out";

    const std::string said = soundLog.str();
    if (s.device == Device::Disk) {
        EXPECT_TRUE(game->sound().audible());
        EXPECT_EQ(said, "");
        // The last effect, the time-out's, sounds on after the session.
        DiskOutput out(output_);
        ASSERT_TRUE(out.waitForFrames(out.frames() + framesOf(0.5)));
        const auto& samples = out.samples();
        const bool loud = std::any_of(samples.begin(), samples.end(),
                                      [](std::int16_t v) { return std::abs(v) > 1000; });
        const bool silent =
            std::all_of(samples.begin(), samples.end(), [](std::int16_t v) { return v == 0; });
        if (s.heard) {
            EXPECT_TRUE(loud) << samples.size() << " frames and not one of them loud";
        } else {
            EXPECT_TRUE(silent) << "sound came out of broken files";
        }
    } else {
        EXPECT_FALSE(game->sound().audible());
        EXPECT_TRUE(said.starts_with("sledloop: no sound: ")) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    game.reset();
    EXPECT_EQ(soundLog.str(), said) << "a second complaint";
}

INSTANTIATE_TEST_SUITE_P(Faults, GameIn, ::testing::ValuesIn(kSurroundings),
                         [](const auto& info) { return std::string(info.param.name); });

// The window closed at a moment of the game: the loop ends with status 0
// and the music is told to stop, whatever was going on.
struct Moment {
    const char* name;
    std::vector<Event> (*reach)();
    bool (*holds)(const TracedGame& game);
};

bool timersRun(const TracedGame& game) {
    const TimerScheduler& timers = game.window().timers();
    return timers.running(TimerId::Timer1) && timers.running(TimerId::Timer2) &&
           timers.running(TimerId::Timer3);
}

const Moment kMoments[] = {
    {"MidStage",
     [] {
         return std::vector<Event>{{Kind::Load, 0}, {Kind::Button, 0}, {Kind::Wait, 12500}};
     },
     [](const TracedGame& game) {
         return timersRun(game) && game.state().StageNumber == 1 &&
                game.state().SantaState[1] != StateOff;
     }},
    {"TimeOut",
     [] {
         return std::vector<Event>{{Kind::Load, 0}, {Kind::Button, 0}, {Kind::Wait, 85000}};
     },
     [](const TracedGame& game) {
         return !timersRun(game) && game.state().StageNumber == 1 &&
                game.state().ClockTicks > game.state().TimeLimit;
     }},
    {"Clear", [] { return readScript(fs::path(SLEDLOOP_STAGES) / "stage1.txt"); },
     [](const TracedGame& game) { return !timersRun(game) && game.state().StageNumber == 2; }},
};

struct Closing {
    Moment moment;
    bool quit;  // SDL_QUIT rather than the window's own close
};

void PrintTo(const Closing& c, std::ostream* out) {
    *out << c.moment.name << (c.quit ? " by SDL_QUIT" : " by SDL_WINDOWEVENT_CLOSE");
}

std::vector<Closing> closings() {
    std::vector<Closing> all;
    for (const Moment& m : kMoments) {
        all.push_back({m, true});
        all.push_back({m, false});
    }
    return all;
}

class ClosedIn : public ::testing::TestWithParam<Closing> {};

TEST_P(ClosedIn, RunEndsWithStatusZeroAndTheMusicStops) {
    const Closing& c = GetParam();
    test::ScratchDir workDir;
    writeWaves([](auto bytes) -> Bytes { return bytes; });
    std::ostringstream soundLog;
    std::string error;
    auto game = TracedGame::open(error, soundLog);
    ASSERT_TRUE(game) << error;
    std::string why;
    ASSERT_TRUE(game->play(c.moment.reach(), why)) << why;
    ASSERT_TRUE(c.moment.holds(*game)) << "not at the moment yet";
    const std::int64_t now = game->window().timers().now();
    game->takeTrace();

    game->pushClose(c.quit);
    EXPECT_EQ(game->window().run(), 0);
    EXPECT_TRUE(game->window().closed());
    EXPECT_EQ(game->takeTrace(), "> " + std::to_string(now) + " unload\nmci stop \"bgm.wav\"\n");

    // A closed window delivers nothing more.
    game->clickStart();
    game->wait(20000);
    EXPECT_EQ(game->takeTrace(), "");
}

INSTANTIATE_TEST_SUITE_P(Faults, ClosedIn, ::testing::ValuesIn(closings()), [](const auto& info) {
    return std::string(info.param.moment.name) + (info.param.quit ? "ByQuit" : "ByWindowClose");
});

}  // namespace
}  // namespace sledloop::reliability
