// The game's six sounds: the background music and the five effects.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace sledloop::wave {

struct SoundFile {
    std::string_view name;              // file name the game plays it by
    std::vector<std::int16_t> samples;  // mono, at kSampleRate
};

std::vector<SoundFile> makeGameSounds();

}  // namespace sledloop::wave
