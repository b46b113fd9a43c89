// The built game on a private X server with its surroundings gone wrong: no
// audio device, broken or missing sounds, its working directory removed
// under it. START starts the stage, the stage runs, the close box ends the
// game with status 0, and standard error holds at most the one line about
// the sound. Without any display: see tests/e2e (GameWithoutDisplay).
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "broken_waves.h"
#include "process.h"
#include "ui/sdl/form_layout.h"
#include "x11_capture.h"
#include "xvfb.h"

namespace sledloop::reliability {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using e2e::ExitStatus;
using e2e::Process;
using e2e::runProgram;
using e2e::RunResult;

void copyWaves(const fs::path& to) {
    for (const char* name : kWaveFiles)
        fs::copy_file(fs::path(SLEDLOOP_BIN_DIR) / name, to / name);
}

void randomWaves(const fs::path& to) {
    std::uint32_t seed = 99;
    for (const char* name : kWaveFiles) {
        const std::vector<std::uint8_t> bytes = noise(20000, ++seed);
        std::ofstream(to / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
}

// What the game may say on standard error.
enum class Says { Nothing, NoSound, AtMostNoSound };

struct Fault {
    const char* name;
    std::map<std::string, std::optional<std::string>> env;
    void (*prepare)(const fs::path& workDir);
    bool removeWorkDir;  // once the window is up
    Says says;
};

const Fault kFaults[] = {
    {"NoSuchAudioDriver", {{"SDL_AUDIODRIVER", "no-such-driver"}}, copyWaves, false, Says::NoSound},
    {"AudioDeviceCannotOpen",
     {{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", "/no-such-folder/mixed.raw"}},
     copyWaves,
     false,
     Says::NoSound},
    // Whatever this machine has for sound, or lacks.
    {"DefaultAudioDevice",
     {{"SDL_AUDIODRIVER", std::nullopt}},
     copyWaves,
     false,
     Says::AtMostNoSound},
    {"WavesMissing", {{"SDL_AUDIODRIVER", "dummy"}}, [](const fs::path&) {}, false, Says::Nothing},
    {"WavesOfRandomBytes", {{"SDL_AUDIODRIVER", "dummy"}}, randomWaves, false, Says::Nothing},
    {"WorkingDirectoryRemoved", {{"SDL_AUDIODRIVER", "dummy"}}, copyWaves, true, Says::Nothing},
};

void PrintTo(const Fault& f, std::ostream* out) {
    *out << f.name;
}

bool ran(const RunResult& r) {
    return r.status && r.status->exited && r.status->code == 0;
}

class GameOnXWith : public ::testing::TestWithParam<Fault> {
  protected:
    void SetUp() override {
        std::string error;
        xvfb_ = e2e::Xvfb::start(error);
        ASSERT_TRUE(xvfb_) << error;
        std::string pattern = (fs::temp_directory_path() / "sledloop-fault-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        workDir_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(workDir_, ignored);
    }

    std::unique_ptr<e2e::Xvfb> xvfb_;
    fs::path workDir_;
};

TEST_P(GameOnXWith, PlaysAndClosesWithStatusZero) {
    const Fault& fault = GetParam();
    fault.prepare(workDir_);
    const std::string errors = ::testing::TempDir() + "sledloop-fault-" + fault.name + ".txt";
    std::map<std::string, std::optional<std::string>> env{
        {"DISPLAY", xvfb_->display()},
        {"SDL_VIDEODRIVER", std::nullopt},
        {"WAYLAND_DISPLAY", std::nullopt},
        // No message bus for libdbus to start on our X server.
        {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + ::testing::TempDir() + "no-bus"}};
    env.insert(fault.env.begin(), fault.env.end());
    Process game({{SLEDLOOP_BIN}, env, workDir_.string(), "", errors, -1});

    const RunResult search =
        runProgram({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^sledloop$"},
                   xvfb_->display(), 20s);
    ASSERT_TRUE(ran(search)) << "no window appeared; the game said: " << e2e::readFile(errors);
    const unsigned long window = std::stoul(search.out);
    if (fault.removeWorkDir) fs::remove_all(workDir_);

    const int x = sdl::kCommand1.x + sdl::kCommand1.w / 2;
    const int y = sdl::kCommand1.y + sdl::kCommand1.h / 2;
    ASSERT_TRUE(ran(runProgram({"xdotool", "mousemove", "--window", std::to_string(window),
                                std::to_string(x), std::to_string(y), "click", "1"},
                               xvfb_->display(), 10s)));

    // Stage 1 has DIG in stock, and START chooses it: its frame turns yellow.
    auto x11 = e2e::X11Connection::open(xvfb_->display());
    ASSERT_TRUE(x11);
    const sdl::Box& dig = sdl::kPalette[DIG].box;
    const std::uint32_t chosen =
        0xFF000000u | kFrameChosen.r << 16 | kFrameChosen.g << 8 | kFrameChosen.b;
    bool started = false;
    for (const auto end = std::chrono::steady_clock::now() + 20s;
         !started && std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(100ms)) {
        const std::optional<e2e::Capture> shot = x11->capture(window);
        started = shot && shot->at(dig.x + 8, dig.y + 100) == chosen;
    }
    EXPECT_TRUE(started) << "START did not start stage 1";
    // Santas enter, the music timer sends its command, effects are asked for.
    std::this_thread::sleep_for(3s);

    ASSERT_TRUE(x11->requestClose(window));
    const std::optional<ExitStatus> status = game.wait(15s);
    ASSERT_TRUE(status) << "the game did not end when its window was closed";
    EXPECT_TRUE(status->exited);
    EXPECT_EQ(status->code, 0);
    const std::string said = e2e::readFile(errors);
    if (fault.says == Says::Nothing || (fault.says == Says::AtMostNoSound && said.empty())) {
        EXPECT_EQ(said, "");
    } else {
        EXPECT_TRUE(said.starts_with("sledloop: no sound: ")) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line: " << said;
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, GameOnXWith, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sledloop::reliability
