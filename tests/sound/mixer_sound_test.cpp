// The sound calls on the real mixer, with SDL's disk audio driver writing the
// mixed output to a file that the tests read back. The test waves hold
// constant levels, so every output sample tells which part of the music and
// which effect sounded in it.
#include "ui/sdl/audio/mixer_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "sound_test_support.h"
#include "ui/sdl/audio/music_command.h"

namespace sledloop::test {
namespace {

constexpr int kLongEffect = 3000;
constexpr int kShortEffect = 6000;
constexpr int kFirstHalf = 500;  // of the test tune
constexpr int kSecondHalf = 1000;
constexpr double kLongSeconds = 1.5;
constexpr double kShortSeconds = 0.3;
// Long enough that the test acts within a half even on a busy machine.
constexpr double kHalfSeconds = 1.0;
// Past the few buffers that the driver holds between mixing and the file.
constexpr std::size_t kSettle = framesOf(0.3);

constexpr std::array<int, 3> kMusicLevels{0, kFirstHalf, kSecondHalf};
constexpr std::array<int, 3> kEffectLevels{0, kLongEffect, kShortEffect};

std::optional<std::pair<int, int>> split(std::int16_t sample) {
    for (const int music : kMusicLevels) {
        for (const int effect : kEffectLevels) {
            if (std::abs(sample - (music + effect)) <= kTolerance) return std::pair{music, effect};
        }
    }
    return std::nullopt;
}

std::optional<int> musicPart(std::int16_t sample) {
    const auto parts = split(sample);
    return parts ? std::optional(parts->first) : std::nullopt;
}

std::optional<int> effectPart(std::int16_t sample) {
    const auto parts = split(sample);
    return parts ? std::optional(parts->second) : std::nullopt;
}

// Without the silence before and after, whose length depends on the timing.
std::vector<Stretch> trimmed(std::vector<Stretch> runs) {
    if (!runs.empty() && runs.back().level == 0) runs.pop_back();
    if (!runs.empty() && runs.front().level == 0) runs.erase(runs.begin());
    return runs;
}

const std::vector<Stretch> kWholeTune{{kFirstHalf, framesOf(kHalfSeconds)},
                                      {kSecondHalf, framesOf(kHalfSeconds)}};
const std::vector<Stretch> kWholeLongEffect{{kLongEffect, framesOf(kLongSeconds)}};

constexpr std::string_view kPlayTune = "play \"tune.wav\"";
constexpr std::string_view kStopTune = "stop \"tune.wav\"";

// Strings that are no music command, though some come close to one.
const std::vector<std::string_view> kNotCommands{
    "",
    "play",
    "stop",
    "play tune.wav",
    "stop tune.wav",
    "play \"tune.wav",
    "play tune.wav\"",
    "play \"",
    "play \"\"",
    "stop \"\"",
    "PLAY \"tune.wav\"",
    "Stop \"tune.wav\"",
    "play  \"tune.wav\"",
    "stop\t\"tune.wav\"",
    " play \"tune.wav\"",
    "stop \"tune.wav\" ",
    "play \"tune.wav\"\n",
    "play \"tune.wav\"\"",
    "stop \"tu\"ne.wav\"",
    "pause \"tune.wav\"",
    "close \"tune.wav\"",
    "playstop \"tune.wav\"",
    "play \"../tune.wav\"",
    "play \"./tune.wav\"",
    "stop \"..\"",
    std::string_view("play \"tune.wav\0\"", 16),
    std::string_view("stop \"tune.wav\0\"", 16),
};

TEST(MusicCommand, ReadsVerbBlankAndQuotedBareName) {
    const struct {
        std::string_view text;
        MusicVerb verb;
        std::string_view file;
    } kCommands[] = {
        {"play \"bgm.wav\"", MusicVerb::play, "bgm.wav"},
        {"stop \"bgm.wav\"", MusicVerb::stop, "bgm.wav"},
        {"play \"my tune.wav\"", MusicVerb::play, "my tune.wav"},
        {"stop \"x\"", MusicVerb::stop, "x"},
    };
    for (const auto& command : kCommands) {
        const auto parsed = parseMusicCommand(command.text);
        ASSERT_TRUE(parsed) << command.text;
        EXPECT_EQ(parsed->verb, command.verb) << command.text;
        EXPECT_EQ(parsed->file, command.file) << command.text;
    }
    for (const std::string_view text : kNotCommands) {
        EXPECT_FALSE(parseMusicCommand(text)) << '"' << text << '"';
    }
}

class DiskMixer : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", outputPath().c_str(), 1);
        // Left unset, the driver waits one buffer's worth of time per buffer,
        // as a sound card would; 0 would race through the sounds faster than
        // the test can act on them.
        ::unsetenv("SDL_DISKAUDIODELAY");
        sound_ = MixerSound::open(log_);
        ASSERT_TRUE(sound_->audible()) << log_.str();
        EXPECT_EQ(log_.str(), "");
        int rate = 0;
        Uint16 format = 0;
        int channels = 0;
        ASSERT_EQ(Mix_QuerySpec(&rate, &format, &channels), 1);
        ASSERT_EQ(rate, kRate);
        ASSERT_EQ(format, AUDIO_S16LSB);
        ASSERT_EQ(channels, 2);

        writeLevels("long.wav", {{kLongEffect, kLongSeconds}});
        writeLevels("short.wav", {{kShortEffect, kShortSeconds}});
        writeLevels("tune.wav", {{kFirstHalf, kHalfSeconds}, {kSecondHalf, kHalfSeconds}});
    }

    void TearDown() override { sound_.reset(); }

    std::filesystem::path outputPath() const { return scratch_.path() / "mixed.raw"; }

    static void writeLevels(const std::filesystem::path& name,
                            std::initializer_list<std::pair<int, double>> steps) {
        writeBytes(name, levelWave(std::vector(steps)));
    }

    // Frames on disk now: what a call makes after this sounds after it.
    std::size_t mark() { return out_.frames(); }

    // The first frame from `from` on where the music, or the effect, is at `level`.
    std::optional<std::size_t> musicAt(int level, std::size_t from) {
        return out_.waitFor(from, [level](std::int16_t s) { return musicPart(s) == level; });
    }
    std::optional<std::size_t> effectAt(int level, std::size_t from) {
        return out_.waitFor(from, [level](std::int16_t s) { return effectPart(s) == level; });
    }

    void settle(std::size_t frame) { ASSERT_TRUE(out_.waitForFrames(frame + kSettle)); }

    std::vector<Stretch> musicRuns(std::size_t from) const {
        return runsOf(std::span(out_.samples()).subspan(from), musicPart);
    }
    std::vector<Stretch> effectRuns(std::size_t from) const {
        return runsOf(std::span(out_.samples()).subspan(from), effectPart);
    }

    ScratchDir scratch_;
    DiskOutput out_{outputPath()};
    std::ostringstream log_;
    std::unique_ptr<MixerSound> sound_;
};

TEST_F(DiskMixer, EffectSoundsAtOnceInFullAndNothingElse) {
    settle(0);
    const std::size_t before = mark();
    sound_->playEffect("long.wav");
    const auto heard = effectAt(kLongEffect, 0);
    ASSERT_TRUE(heard);
    settle(*heard + framesOf(kLongSeconds));

    EXPECT_GE(*heard, before) << "sound before the call";
    // Only the buffers in flight lie between the call and the sound; the bound
    // leaves room for a busy machine and still catches an effect held back.
    EXPECT_LT(*heard, before + framesOf(1.0));
    EXPECT_EQ(trimmed(effectRuns(0)), kWholeLongEffect) << describe(effectRuns(0));
    EXPECT_EQ(trimmed(musicRuns(0)), std::vector<Stretch>{}) << describe(musicRuns(0));
}

TEST_F(DiskMixer, NewEffectCutsTheOneStillSounding) {
    const std::size_t start = mark();
    sound_->playEffect("long.wav");
    const auto heard = effectAt(kLongEffect, start);
    ASSERT_TRUE(heard);
    sound_->playEffect("short.wav");
    settle(*heard + framesOf(kLongSeconds));

    const auto runs = trimmed(effectRuns(start));
    ASSERT_EQ(runs.size(), 2u) << describe(runs);
    EXPECT_EQ(runs[0].level, kLongEffect);
    EXPECT_LT(runs[0].frames, framesOf(kLongSeconds)) << "the first effect was not cut";
    EXPECT_EQ(runs[1], (Stretch{kShortEffect, framesOf(kShortSeconds)}));
}

TEST_F(DiskMixer, EffectsSoundOverTheMusicWithoutTouchingIt) {
    const std::size_t start = mark();
    sound_->sendMusicCommand(kPlayTune);
    ASSERT_TRUE(musicAt(kFirstHalf, start));
    sound_->playEffect("long.wav");
    const auto longHeard = effectAt(kLongEffect, start);
    ASSERT_TRUE(longHeard);
    sound_->playEffect("short.wav");
    const auto shortHeard = effectAt(kShortEffect, *longHeard);
    ASSERT_TRUE(shortHeard);
    settle(std::max(*shortHeard + framesOf(kShortSeconds), start + framesOf(2 * kHalfSeconds)));

    EXPECT_EQ(trimmed(musicRuns(start)), kWholeTune) << describe(musicRuns(start));
    const auto effects = trimmed(effectRuns(start));
    ASSERT_EQ(effects.size(), 2u) << describe(effects);
    EXPECT_EQ(effects[0].level, kLongEffect);
    EXPECT_EQ(effects[1], (Stretch{kShortEffect, framesOf(kShortSeconds)}));
}

TEST_F(DiskMixer, PlayWhileTheMusicSoundsDoesNotStartItOver) {
    const std::size_t start = mark();
    sound_->sendMusicCommand(kPlayTune);
    const auto first = musicAt(kFirstHalf, start);
    ASSERT_TRUE(first);
    sound_->sendMusicCommand(kPlayTune);
    const auto second = musicAt(kSecondHalf, *first);
    ASSERT_TRUE(second);
    sound_->sendMusicCommand(kPlayTune);
    settle(*second + framesOf(kHalfSeconds));

    EXPECT_EQ(trimmed(musicRuns(start)), kWholeTune) << describe(musicRuns(start));
}

TEST_F(DiskMixer, PlayAfterTheEndStartsTheMusicAgain) {
    const std::size_t start = mark();
    sound_->sendMusicCommand(kPlayTune);
    const auto second = musicAt(kSecondHalf, start);
    ASSERT_TRUE(second);
    const auto ended = musicAt(0, *second);
    ASSERT_TRUE(ended);
    settle(*ended);  // well past the end
    sound_->sendMusicCommand(kPlayTune);
    const auto again = musicAt(kFirstHalf, *ended);
    ASSERT_TRUE(again);
    settle(*again + framesOf(2 * kHalfSeconds));

    const auto runs = trimmed(musicRuns(start));
    ASSERT_EQ(runs.size(), 5u) << describe(runs);
    EXPECT_EQ(std::vector(runs.begin(), runs.begin() + 2), kWholeTune);
    EXPECT_EQ(runs[2].level, 0);
    EXPECT_EQ(std::vector(runs.begin() + 3, runs.end()), kWholeTune);
}

TEST_F(DiskMixer, StopSilencesTheMusicAndLeavesTheEffect) {
    const std::size_t start = mark();
    sound_->sendMusicCommand(kPlayTune);
    sound_->playEffect("long.wav");
    const auto second = musicAt(kSecondHalf, start);
    ASSERT_TRUE(second);
    sound_->sendMusicCommand(kStopTune);
    const std::size_t stopped = mark();
    settle(stopped + framesOf(kHalfSeconds));  // longer than the music had left
    // Stopped music starts from its beginning.
    sound_->sendMusicCommand(kPlayTune);
    const auto again = musicAt(kFirstHalf, stopped);
    ASSERT_TRUE(again);
    settle(std::max(*again + framesOf(2 * kHalfSeconds), start + framesOf(kLongSeconds)));

    const auto runs = trimmed(musicRuns(start));
    ASSERT_EQ(runs.size(), 5u) << describe(runs);
    EXPECT_EQ(runs[0], kWholeTune[0]);
    EXPECT_EQ(runs[1].level, kSecondHalf);
    EXPECT_LT(runs[1].frames, framesOf(kHalfSeconds)) << "the music was not stopped";
    EXPECT_EQ(runs[2].level, 0);
    EXPECT_GE(runs[2].frames, framesOf(kHalfSeconds));
    EXPECT_EQ(std::vector(runs.begin() + 3, runs.end()), kWholeTune);
    EXPECT_EQ(trimmed(effectRuns(start)), kWholeLongEffect) << describe(effectRuns(start));
}

TEST_F(DiskMixer, StringsThatAreNoCommandChangeNothing) {
    settle(0);
    const std::size_t quiet = mark();
    for (const std::string_view text : kNotCommands)
        sound_->sendMusicCommand(text);
    settle(quiet + framesOf(0.3));
    EXPECT_EQ(trimmed(musicRuns(quiet)), std::vector<Stretch>{}) << describe(musicRuns(quiet));

    const std::size_t start = mark();
    sound_->sendMusicCommand(kPlayTune);
    const auto first = musicAt(kFirstHalf, start);
    ASSERT_TRUE(first);
    for (const std::string_view text : kNotCommands)
        sound_->sendMusicCommand(text);
    settle(*first + framesOf(2 * kHalfSeconds));
    EXPECT_EQ(trimmed(musicRuns(start)), kWholeTune) << describe(musicRuns(start));
}

// A file that is no playable wave: every call naming it changes nothing.
struct BrokenFile {
    std::string_view label;
    void (*make)(const std::filesystem::path& path);
};

void PrintTo(const BrokenFile& file, std::ostream* out) {
    *out << file.label;
}

std::vector<std::uint8_t> noise(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::uint32_t state = 12345;
    for (auto& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

// A good wave at a level the tests never expect, for cutting up.
std::vector<std::uint8_t> strangeWave() {
    const std::array<std::pair<int, double>, 1> steps{{{4444, 0.5}}};
    return levelWave(steps);
}

const BrokenFile kBrokenFiles[] = {
    {"Missing", [](const std::filesystem::path&) {}},
    {"Empty", [](const std::filesystem::path& path) { writeBytes(path, {}); }},
    {"RandomBytes", [](const std::filesystem::path& path) { writeBytes(path, noise(65536)); }},
    {"RiffHeaderThenRandomBytes",
     [](const std::filesystem::path& path) {
         auto bytes = noise(65536);
         std::copy_n(strangeWave().begin(), 12, bytes.begin());
         writeBytes(path, bytes);
     }},
    {"CutInTheHeader",
     [](const std::filesystem::path& path) {
         auto bytes = strangeWave();
         bytes.resize(30);
         writeBytes(path, bytes);
     }},
    {"CutInTheSamples",
     [](const std::filesystem::path& path) {
         auto bytes = strangeWave();
         bytes.resize(bytes.size() / 2);
         writeBytes(path, bytes);
     }},
    {"DataSizeFarBeyondTheFile",
     [](const std::filesystem::path& path) {
         auto bytes = strangeWave();
         bytes.resize(44 + 4000);
         std::fill_n(bytes.begin() + 40, 4, std::uint8_t{0xF0});  // data chunk size
         writeBytes(path, bytes);
     }},
    {"Folder", [](const std::filesystem::path& path) { std::filesystem::create_directory(path); }},
};

class BrokenFileTest : public DiskMixer, public ::testing::WithParamInterface<BrokenFile> {
  protected:
    void callWithBrokenFile() {
        sound_->playEffect("broken.wav");
        sound_->sendMusicCommand("play \"broken.wav\"");
        sound_->sendMusicCommand("stop \"broken.wav\"");
    }
};

TEST_P(BrokenFileTest, ChangesNothing) {
    GetParam().make("broken.wav");

    const std::size_t quiet = mark();
    callWithBrokenFile();
    settle(quiet + framesOf(0.3));
    EXPECT_EQ(trimmed(effectRuns(quiet)), std::vector<Stretch>{}) << describe(effectRuns(quiet));

    const std::size_t start = mark();
    sound_->sendMusicCommand(kPlayTune);
    sound_->playEffect("long.wav");
    const auto heard = effectAt(kLongEffect, start);
    ASSERT_TRUE(heard);
    callWithBrokenFile();
    settle(std::max(*heard + framesOf(kLongSeconds), start + framesOf(2 * kHalfSeconds)));
    EXPECT_EQ(trimmed(effectRuns(start)), kWholeLongEffect) << describe(effectRuns(start));
    EXPECT_EQ(trimmed(musicRuns(start)), kWholeTune) << describe(musicRuns(start));
}

INSTANTIATE_TEST_SUITE_P(Sound, BrokenFileTest, ::testing::ValuesIn(kBrokenFiles),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(DiskMixer, GameSoundsAllSound) {
    for (const char* name :
         {"bgm.wav", "whistle.wav", "get.wav", "saru.wav", "clear.wav", "gameover.wav"}) {
        std::filesystem::copy_file(std::filesystem::path(SLEDLOOP_WAVE_DIR) / name, name);
    }
    const auto loud = [](std::int16_t s) { return std::abs(s) > 1000; };
    for (const char* effect : {"whistle.wav", "get.wav", "saru.wav", "clear.wav", "gameover.wav"}) {
        const std::size_t start = mark();
        sound_->playEffect(effect);
        EXPECT_TRUE(out_.waitFor(start, loud)) << effect;
    }
    settle(mark() + framesOf(2.0));  // the last effect has ended
    const std::size_t start = mark();
    sound_->sendMusicCommand("play \"bgm.wav\"");
    EXPECT_TRUE(out_.waitFor(start, loud));
    sound_->sendMusicCommand("stop \"bgm.wav\"");
    const std::size_t stopped = mark();
    settle(stopped + framesOf(0.3));
    const auto& samples = out_.samples();
    EXPECT_TRUE(std::all_of(samples.begin() + static_cast<std::ptrdiff_t>(stopped + kSettle),
                            samples.end(), [](std::int16_t s) { return s == 0; }));
}

TEST_F(DiskMixer, SecondMixerSoundIsSilentAndLeavesTheFirstWorking) {
    std::ostringstream secondLog;
    auto second = MixerSound::open(secondLog);
    EXPECT_FALSE(second->audible());
    EXPECT_EQ(secondLog.str(), "sledloop: no sound: the mixer is already in use\n");

    const std::size_t quiet = mark();
    second->playEffect("long.wav");
    second->sendMusicCommand(kPlayTune);
    second.reset();
    settle(quiet + framesOf(0.3));
    EXPECT_EQ(trimmed(effectRuns(quiet)), std::vector<Stretch>{}) << describe(effectRuns(quiet));
    EXPECT_EQ(trimmed(musicRuns(quiet)), std::vector<Stretch>{}) << describe(musicRuns(quiet));

    const std::size_t start = mark();
    sound_->playEffect("short.wav");
    const auto heard = effectAt(kShortEffect, start);
    ASSERT_TRUE(heard);
    settle(*heard + framesOf(kShortSeconds));
    EXPECT_EQ(trimmed(effectRuns(start)),
              (std::vector<Stretch>{{kShortEffect, framesOf(kShortSeconds)}}));
}

// Without the disk driver: calls go to a sink that is silent, or to a device
// that nobody hears.
class OtherDriver : public ::testing::Test {
  protected:
    void playEverything(MixerSound& sound) {
        const std::array<std::pair<int, double>, 1> steps{{{kLongEffect, 0.2}}};
        writeBytes("a.wav", levelWave(steps));
        sound.playEffect("a.wav");
        sound.playEffect("missing.wav");
        sound.sendMusicCommand("play \"a.wav\"");
        sound.sendMusicCommand("play \"a.wav\"");
        sound.sendMusicCommand("stop \"a.wav\"");
        sound.sendMusicCommand("nonsense");
    }
    ScratchDir scratch_;
};

TEST_F(OtherDriver, NoDeviceGivesOneLineThenSilence) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::ostringstream log;
    auto sound = MixerSound::open(log);
    EXPECT_FALSE(sound->audible());
    const std::string line = log.str();
    EXPECT_TRUE(line.starts_with("sledloop: no sound: ")) << line;
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
    EXPECT_TRUE(line.ends_with('\n'));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "audio left half open";

    playEverything(*sound);
    sound.reset();
    EXPECT_EQ(log.str(), line) << "more than the one line";
}

// Whatever this machine has, or lacks, for sound.
TEST_F(OtherDriver, DefaultDeviceSaysAtMostOneLine) {
    ::unsetenv("SDL_AUDIODRIVER");
    ::testing::internal::CaptureStderr();
    auto sound = MixerSound::open();
    playEverything(*sound);
    const bool audible = sound->audible();
    sound.reset();
    const std::string printed = ::testing::internal::GetCapturedStderr();
    if (audible) {
        EXPECT_EQ(printed, "");
    } else {
        EXPECT_TRUE(printed.starts_with("sledloop: no sound: ")) << printed;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    }
}

TEST_F(OtherDriver, DummyDeviceTakesEveryCallQuietly) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::ostringstream log;
    auto sound = MixerSound::open(log);
    EXPECT_TRUE(sound->audible());
    playEverything(*sound);
    sound.reset();
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "audio left open";
}

}  // namespace
}  // namespace sledloop::test
