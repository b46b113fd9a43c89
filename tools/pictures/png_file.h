// Writing pictures as PNG files (8-bit RGBA, straight alpha).
#pragma once

#include <string>

#include "ui/pictures/pictures.h"

namespace sledloop::pictures {

// Throws std::runtime_error naming the file when it cannot be written.
void writePng(const std::string& path, const Image& image);

}  // namespace sledloop::pictures
