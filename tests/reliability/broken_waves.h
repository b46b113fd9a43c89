// The game's six wave files, and bytes to break them with.
#pragma once

#include <cstdint>
#include <vector>

namespace sledloop::reliability {

inline constexpr const char* kWaveFiles[] = {"bgm.wav",  "whistle.wav", "get.wav",
                                             "saru.wav", "clear.wav",   "gameover.wav"};

// The same bytes for the same seed, on any machine.
inline std::vector<std::uint8_t> noise(std::size_t count, std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(count);
    for (auto& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(seed >> 24);
    }
    return bytes;
}

}  // namespace sledloop::reliability
