#include "sound_test_support.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "wavegen/wave_file.h"

namespace sledloop::test {

ScratchDir::ScratchDir() : previous_(std::filesystem::current_path()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "sledloop-sound-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    std::filesystem::current_path(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> levelWave(std::span<const std::pair<int, double>> steps) {
    std::vector<std::int16_t> samples;
    for (const auto& [level, seconds] : steps) {
        samples.insert(samples.end(), 2 * framesOf(seconds), static_cast<std::int16_t>(level));
    }
    return wave::encodeWave(samples, kRate, 2);
}

void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

void DiskOutput::refresh() {
    std::ifstream file(path_, std::ios::binary);
    if (!file) return;
    file.seekg(static_cast<std::streamoff>(bytesRead_));
    constexpr std::size_t kFrameBytes = 4;
    std::vector<char> bytes(64 * 1024);
    while (file.read(bytes.data(), static_cast<std::streamsize>(bytes.size())) ||
           file.gcount() > 0) {
        // Only whole frames are taken; the rest is read again next time.
        const auto whole = static_cast<std::size_t>(file.gcount()) / kFrameBytes * kFrameBytes;
        for (std::size_t i = 0; i < whole; i += kFrameBytes) {
            const auto lo = static_cast<std::uint8_t>(bytes[i]);
            const auto hi = static_cast<std::uint8_t>(bytes[i + 1]);
            left_.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8))));
        }
        bytesRead_ += whole;
        if (whole < static_cast<std::size_t>(file.gcount())) break;
    }
}

std::size_t DiskOutput::frames() {
    refresh();
    return left_.size();
}

bool DiskOutput::waitForFrames(std::size_t count, Clock::time_point until) {
    while (left_.size() < count) {
        refresh();
        if (left_.size() >= count) break;
        if (Clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::string describe(const std::vector<Stretch>& runs) {
    std::ostringstream text;
    for (const Stretch& run : runs) {
        text << (run.level == kUnexplained ? std::string("?") : std::to_string(run.level)) << " x "
             << run.frames << "; ";
    }
    return text.str();
}

}  // namespace sledloop::test
