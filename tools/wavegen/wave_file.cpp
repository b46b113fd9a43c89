#include "wavegen/wave_file.h"

#include <fstream>
#include <system_error>

namespace sledloop::wave {

namespace {

// Fills a buffer of known size front to back, little-endian as RIFF wants.
class ByteWriter {
  public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void u16(std::uint32_t value) {
        out_[at_++] = static_cast<std::uint8_t>(value & 0xFF);
        out_[at_++] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void tag(const char (&name)[5]) {
        for (int i = 0; i < 4; ++i)
            out_[at_++] = static_cast<std::uint8_t>(name[i]);
    }

  private:
    std::vector<std::uint8_t>& out_;
    std::size_t at_ = 0;
};

}  // namespace

std::vector<std::uint8_t> encodeWave(std::span<const std::int16_t> samples, int sampleRate,
                                     int channels) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto blockAlign = static_cast<std::uint32_t>(channels * 2);
    std::vector<std::uint8_t> out(44 + std::size_t{dataBytes});
    ByteWriter put(out);
    put.tag("RIFF");
    put.u32(36 + dataBytes);
    put.tag("WAVE");
    put.tag("fmt ");
    put.u32(16);
    put.u16(1);  // PCM
    put.u16(static_cast<std::uint32_t>(channels));
    put.u32(static_cast<std::uint32_t>(sampleRate));
    put.u32(static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put.u16(blockAlign);
    put.u16(16);
    put.tag("data");
    put.u32(dataBytes);
    for (const std::int16_t sample : samples) {
        put.u16(static_cast<std::uint16_t>(sample));
    }
    return out;
}

bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::filesystem::path partial = path;
    partial += ".part";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::filesystem::remove(partial, error);
        return false;
    }
    return true;
}

}  // namespace sledloop::wave
