#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "ui/pictures/pictures.h"
#include "ui/pictures/pixel_art.h"

namespace sledloop::pictures {

Image::Image(int w, int h, Argb fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {
    if (w < 0 || h < 0) throw std::invalid_argument("negative picture size");
}

Image decodeArt(std::span<const Ink> palette, std::span<const std::string_view> rows) {
    if (rows.empty()) return {};
    Image image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.height; ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        if (static_cast<int>(row.size()) != image.width) {
            throw std::invalid_argument("pixel art row " + std::to_string(y) + " has " +
                                        std::to_string(row.size()) + " pixels, not " +
                                        std::to_string(image.width));
        }
        for (int x = 0; x < image.width; ++x) {
            const char key = row[static_cast<std::size_t>(x)];
            const auto ink = std::find_if(palette.begin(), palette.end(),
                                          [key](const Ink& i) { return i.key == key; });
            if (ink == palette.end()) {
                throw std::invalid_argument(std::string("pixel art uses '") + key +
                                            "', which its palette lacks");
            }
            image.at(x, y) = ink->color;
        }
    }
    return image;
}

namespace {

// Straight-alpha "over".
Argb over(Argb src, Argb dst) {
    const unsigned sa = alphaOf(src);
    if (sa == 0xFF) return src;
    if (sa == 0) return dst;
    const unsigned da = alphaOf(dst);
    const unsigned outA255 = sa * 255 + da * (255 - sa);  // alpha scaled by 255
    if (outA255 == 0) return kTransparent;
    auto channel = [&](unsigned s, unsigned d) {
        const unsigned v = (s * sa * 255 + d * da * (255 - sa) + outA255 / 2) / outA255;
        return static_cast<std::uint8_t>(std::min(v, 255u));
    };
    return argb(channel(redOf(src), redOf(dst)), channel(greenOf(src), greenOf(dst)),
                channel(blueOf(src), blueOf(dst)),
                static_cast<std::uint8_t>((outA255 + 127) / 255));
}

template <typename Combine>
void paintWith(Image& surface, const Image& picture, int x, int y, Combine combine) {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(surface.width, x + picture.width);
    const int y1 = std::min(surface.height, y + picture.height);
    for (int sy = y0; sy < y1; ++sy) {
        for (int sx = x0; sx < x1; ++sx) {
            Argb& dst = surface.at(sx, sy);
            dst = combine(picture.at(sx - x, sy - y), dst);
        }
    }
}

}  // namespace

void paintOver(Image& surface, const Image& picture, int x, int y) {
    paintWith(surface, picture, x, y, over);
}

void paintCopy(Image& surface, const Image& picture, int x, int y) {
    paintWith(surface, picture, x, y, [](Argb src, Argb) { return src; });
}

Image mirrored(const Image& picture) {
    Image out(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            out.at(picture.width - 1 - x, y) = picture.at(x, y);
        }
    }
    return out;
}

Image enlarged(const Image& picture, int factor) {
    if (factor < 1) throw std::invalid_argument("enlargement factor below 1");
    Image out(picture.width * factor, picture.height * factor);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x)
            out.at(x, y) = picture.at(x / factor, y / factor);
    }
    return out;
}

namespace {

// For each target index, the source indices it covers and their weights
// (fractions of the footprint, summing to 1).
struct Tap {
    int source;
    float weight;
};

std::vector<std::vector<Tap>> boxTaps(int from, int to) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
    const double scale = static_cast<double>(from) / to;
    for (int t = 0; t < to; ++t) {
        const double lo = t * scale, hi = (t + 1) * scale;
        for (int s = static_cast<int>(std::floor(lo)); s < hi && s < from; ++s) {
            const double cover = std::min<double>(hi, s + 1) - std::max<double>(lo, s);
            if (cover > 1e-9) {
                taps[static_cast<std::size_t>(t)].push_back({s, static_cast<float>(cover / scale)});
            }
        }
    }
    return taps;
}

}  // namespace

Image squeeze(const Image& picture, int w, int h) {
    if (w <= 0 || h <= 0 || picture.width <= 0 || picture.height <= 0) {
        throw std::invalid_argument("squeeze needs positive sizes");
    }
    const auto xTaps = boxTaps(picture.width, w);
    const auto yTaps = boxTaps(picture.height, h);

    // One target row at a time: the source rows it covers are summed into a
    // premultiplied row, which is then narrowed. Four floats per pixel: a, r, g, b.
    const std::size_t srcW = static_cast<std::size_t>(picture.width);
    std::vector<float> column(srcW * 4);
    Image out(w, h);
    auto byte = [](float v) {
        return static_cast<std::uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
    };
    for (int y = 0; y < h; ++y) {
        std::fill(column.begin(), column.end(), 0.0f);
        for (const Tap& tap : yTaps[static_cast<std::size_t>(y)]) {
            const Argb* src = &picture.pixels[static_cast<std::size_t>(tap.source) * srcW];
            float* acc = column.data();
            for (std::size_t x = 0; x < srcW; ++x, acc += 4) {
                const Argb c = src[x];
                const float a = alphaOf(c) * tap.weight;
                acc[0] += a;
                acc[1] += redOf(c) * a;
                acc[2] += greenOf(c) * a;
                acc[3] += blueOf(c) * a;
            }
        }
        for (int x = 0; x < w; ++x) {
            float a = 0, r = 0, g = 0, b = 0;
            for (const Tap& tap : xTaps[static_cast<std::size_t>(x)]) {
                const float* p = &column[static_cast<std::size_t>(tap.source) * 4];
                a += p[0] * tap.weight;
                r += p[1] * tap.weight;
                g += p[2] * tap.weight;
                b += p[3] * tap.weight;
            }
            if (a <= 0.0f) continue;  // stays transparent
            out.at(x, y) = argb(byte(r / a), byte(g / a), byte(b / a), byte(a));
        }
    }
    return out;
}

}  // namespace sledloop::pictures
