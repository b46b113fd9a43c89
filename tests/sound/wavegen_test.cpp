// The six wave files that the build synthesizes beside the game.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "sound_test_support.h"

namespace sledloop::test {
namespace {

const std::filesystem::path kBuilt = SLEDLOOP_WAVE_DIR;

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return static_cast<double>(samples.size()) / channels / rate; }
};

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t le(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// Walks the RIFF chunks and insists on every size adding up; `why` says what
// does not.
std::optional<Wave> readWave(const std::filesystem::path& path, std::string& why) {
    const auto bytes = readBytes(path);
    const auto tagAt = [&](std::size_t at) {
        return std::string(bytes.begin() + at, bytes.begin() + at + 4);
    };
    if (bytes.size() < 12 || tagAt(0) != "RIFF" || tagAt(8) != "WAVE") {
        why = "no RIFF/WAVE header";
        return std::nullopt;
    }
    if (le(bytes, 4, 4) != bytes.size() - 8) {
        why = "RIFF size does not match the file";
        return std::nullopt;
    }
    Wave wave;
    bool haveFormat = false;
    bool haveData = false;
    for (std::size_t at = 12; at < bytes.size();) {
        if (at + 8 > bytes.size()) {
            why = "chunk header cut off";
            return std::nullopt;
        }
        const std::string tag = tagAt(at);
        const std::size_t length = le(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + length > bytes.size()) {
            why = "chunk " + tag + " runs past the end";
            return std::nullopt;
        }
        if (tag == "fmt " && length >= 16) {
            wave.format = static_cast<int>(le(bytes, body, 2));
            wave.channels = static_cast<int>(le(bytes, body + 2, 2));
            wave.rate = static_cast<int>(le(bytes, body + 4, 4));
            wave.byteRate = static_cast<int>(le(bytes, body + 8, 4));
            wave.blockAlign = static_cast<int>(le(bytes, body + 12, 2));
            wave.bits = static_cast<int>(le(bytes, body + 14, 2));
            haveFormat = true;
        } else if (tag == "data") {
            if (!haveFormat || haveData || length % 2 != 0) {
                why = "data chunk out of place or odd";
                return std::nullopt;
            }
            for (std::size_t i = body; i < body + length; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(le(bytes, i, 2)));
            }
            haveData = true;
        }
        at = body + length + length % 2;
    }
    if (!haveData) {
        why = "no data chunk";
        return std::nullopt;
    }
    return wave;
}

const struct {
    const char* name;
    double shortest;  // seconds
    double longest;
} kGameSounds[] = {
    {"bgm.wav", 20.0, 40.0}, {"whistle.wav", 0.2, 2.0}, {"get.wav", 0.2, 2.0},
    {"saru.wav", 0.2, 2.0},  {"clear.wav", 0.2, 2.0},   {"gameover.wav", 0.2, 2.0},
};

TEST(GameSounds, Are16BitPcmWavesOfTheirLength) {
    for (const auto& sound : kGameSounds) {
        SCOPED_TRACE(sound.name);
        std::string why;
        const auto wave = readWave(kBuilt / sound.name, why);
        ASSERT_TRUE(wave) << why;
        EXPECT_EQ(wave->format, 1);
        EXPECT_EQ(wave->bits, 16);
        EXPECT_TRUE(wave->channels == 1 || wave->channels == 2) << wave->channels;
        EXPECT_GE(wave->rate, 22050);
        EXPECT_EQ(wave->blockAlign, wave->channels * 2);
        EXPECT_EQ(wave->byteRate, wave->rate * wave->blockAlign);
        EXPECT_EQ(wave->samples.size() % static_cast<std::size_t>(wave->channels), 0u);
        EXPECT_GE(wave->seconds(), sound.shortest);
        EXPECT_LT(wave->seconds(), sound.longest);
    }
}

TEST(GameSounds, AreClearlyHeardAndNeverClipped) {
    for (const auto& sound : kGameSounds) {
        SCOPED_TRACE(sound.name);
        std::string why;
        const auto wave = readWave(kBuilt / sound.name, why);
        ASSERT_TRUE(wave) << why;
        double power = 0.0;
        int peak = 0;
        for (const std::int16_t s : wave->samples) {
            power += static_cast<double>(s) * s;
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        const double rms = std::sqrt(power / static_cast<double>(wave->samples.size()));
        EXPECT_GT(rms, 0.02 * 32767);  // above -34 dBFS
        EXPECT_LT(peak, 32767);
    }
}

// The music is started again at its end: it must rise from silence rather
// than jump, and its end must already be quiet.
TEST(GameSounds, MusicRisesFromSilenceAndEndsQuiet) {
    std::string why;
    const auto wave = readWave(kBuilt / "bgm.wav", why);
    ASSERT_TRUE(wave) << why;
    const auto loudest = [&wave](double fromSeconds, double toSeconds) {
        const auto at = [&wave](double seconds) {
            return static_cast<std::size_t>(seconds * wave->rate) *
                   static_cast<std::size_t>(wave->channels);
        };
        int peak = 0;
        for (std::size_t i = at(fromSeconds); i < at(toSeconds); ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(wave->samples[i])));
        }
        return peak;
    };
    EXPECT_EQ(wave->samples.front(), 0);
    EXPECT_LT(loudest(0.0, 0.001), 5000);
    EXPECT_LT(loudest(wave->seconds() - 0.05, wave->seconds()), 330);
}

int run(const std::string& arguments) {
    const int status =
        std::system((std::string("'") + SLEDLOOP_WAVEGEN + "' " + arguments).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Wavegen, WritesTheSameFilesEveryTime) {
    ScratchDir scratch;
    ASSERT_EQ(run("'" + scratch.path().string() + "'"), 0);
    for (const auto& sound : kGameSounds) {
        const auto again = readBytes(scratch.path() / sound.name);
        EXPECT_FALSE(again.empty()) << sound.name;
        EXPECT_TRUE(again == readBytes(kBuilt / sound.name)) << sound.name;
    }
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names.size(), std::size(kGameSounds)) << "left-over files";
}

TEST(Wavegen, FailsWithoutAFolderToWriteTo) {
    ScratchDir scratch;
    EXPECT_NE(run("no-such-folder 2>/dev/null"), 0);
    EXPECT_NE(run("2>/dev/null"), 0);
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

}  // namespace
}  // namespace sledloop::test
