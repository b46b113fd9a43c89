// Helpers of the mixer tests: a scratch working directory, small test waves of
// constant levels, and the output of SDL's disk audio driver read back.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sledloop::test {

inline constexpr int kRate = 44100;

constexpr std::size_t framesOf(double seconds) {
    return static_cast<std::size_t>(seconds * kRate + 0.5);
}

// A fresh folder that is the working directory while the object lives.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// A stereo 16-bit wave at kRate made of constant levels, each held for its
// number of seconds: its samples are easy to tell apart in the mixed output.
std::vector<std::uint8_t> levelWave(std::span<const std::pair<int, double>> steps);
void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Reads what the disk audio driver has written so far: signed 16-bit stereo at
// kRate, of which the left channel is kept. The driver writes in real time, so
// the tests wait for frames to arrive rather than for a fixed time.
class DiskOutput {
  public:
    explicit DiskOutput(std::filesystem::path path) : path_(std::move(path)) {}

    // Frames on disk now.
    std::size_t frames();
    // Waits until at least `count` frames are on disk; false on time-out.
    bool waitForFrames(std::size_t count) { return waitForFrames(count, deadline()); }
    // Waits for the first frame at or after `from` for which `found` holds, and
    // returns its index; nothing on time-out.
    template <typename Found>
    std::optional<std::size_t> waitFor(std::size_t from, Found found) {
        const auto until = deadline();
        for (std::size_t next = from;; ++next) {
            if (!waitForFrames(next + 1, until)) return std::nullopt;
            if (found(left_[next])) return next;
        }
    }

    const std::vector<std::int16_t>& samples() const { return left_; }

  private:
    using Clock = std::chrono::steady_clock;
    // Generous: only a machine that has all but stopped gets there.
    static Clock::time_point deadline() { return Clock::now() + std::chrono::seconds(20); }
    bool waitForFrames(std::size_t count, Clock::time_point until);
    void refresh();

    std::filesystem::path path_;
    std::vector<std::int16_t> left_;
    std::uintmax_t bytesRead_ = 0;
};

inline constexpr int kTolerance = 8;

// A stretch of frames at one level.
struct Stretch {
    int level = 0;
    std::size_t frames = 0;
    friend bool operator==(const Stretch&, const Stretch&) = default;
};

// Runs of the values picked out by `part` (a level, or nothing for a sample
// that the test cannot explain, which ends the runs with level `kUnexplained`).
inline constexpr int kUnexplained = -1;
template <typename Part>
std::vector<Stretch> runsOf(std::span<const std::int16_t> samples, Part part) {
    std::vector<Stretch> runs;
    for (const std::int16_t sample : samples) {
        const std::optional<int> level = part(sample);
        if (!level) {
            runs.push_back({kUnexplained, 1});
            break;
        }
        if (runs.empty() || runs.back().level != *level) runs.push_back({*level, 0});
        ++runs.back().frames;
    }
    return runs;
}

std::string describe(const std::vector<Stretch>& runs);

}  // namespace sledloop::test
