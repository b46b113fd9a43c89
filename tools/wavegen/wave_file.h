// Canonical RIFF/WAVE files with 16-bit PCM samples, the one format the game's
// sound files come in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace sledloop::wave {

// The whole file: RIFF header, "fmt " chunk and "data" chunk. Multi-channel
// samples are interleaved.
std::vector<std::uint8_t> encodeWave(std::span<const std::int16_t> samples, int sampleRate,
                                     int channels);

// Writes beside the target and renames, so that a reader never sees half a file.
// Returns false when the file could not be written.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace sledloop::wave
