#include "png_file.h"

#include <png.h>

#include <cstring>
#include <stdexcept>
#include <vector>

namespace sledloop::pictures {

void writePng(const std::string& path, const Image& image) {
    std::vector<png_byte> rgba(image.pixels.size() * 4);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const Argb c = image.pixels[i];
        rgba[i * 4 + 0] = redOf(c);
        rgba[i * 4 + 1] = greenOf(c);
        rgba[i * 4 + 2] = blueOf(c);
        rgba[i * 4 + 3] = alphaOf(c);
    }
    // libpng's simplified API: it handles its own errors (no longjmp through
    // our frames) and reports them in the struct.
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGBA;
    const int ok = png_image_write_to_file(&png, path.c_str(), 0, rgba.data(), 0, nullptr);
    const std::string message = png.message;
    png_image_free(&png);
    if (!ok) throw std::runtime_error(path + ": " + message);
}

}  // namespace sledloop::pictures
