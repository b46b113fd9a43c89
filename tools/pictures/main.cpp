// sledloop-pictures DIR: writes every picture of the game as DIR/NAME.png and
// a contact sheet of them all, enlarged 4x, as DIR/contact-sheet.png, so that
// the art can be reviewed without running the game.
#include <cairo.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "png_file.h"
#include "ui/pictures/pictures.h"

namespace {

using namespace sledloop;
using namespace sledloop::pictures;

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

// Cairo wants premultiplied pixels.
Surface toSurface(const Image& image) {
    Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height),
              cairo_surface_destroy);
    cairo_surface_flush(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    const int stride = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < image.height; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const Argb c = image.at(x, y);
            const unsigned a = alphaOf(c);
            auto pre = [a](unsigned v) { return (v * a + 127) / 255; };
            row[x] = (a << 24) | (pre(redOf(c)) << 16) | (pre(greenOf(c)) << 8) | pre(blueOf(c));
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

Image fromSurface(cairo_surface_t* s) {
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    Image image(w, h);
    for (int y = 0; y < h; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < w; ++x)
            image.at(x, y) = row[x] | 0xFF000000u;  // the sheet is opaque
    }
    return image;
}

// A small piece of field: the tiles and santas as the player meets them.
Image fieldScene() {
    Image field(14 * kTileSize, 7 * kTileSize, kBlack);
    auto paint = [&](Tile t, int col, int row) {
        paintCopy(field, tile(t), col * kTileSize, row * kTileSize);
    };
    for (int c = 0; c < 14; ++c) {
        paint(Tile::WALL, c, 3);
        paint(Tile::WALL, c, 6);
    }
    paint(Tile::WALL, 0, 2);
    paint(Tile::WALL, 13, 5);
    paint(Tile::INGO, 2, 0);
    paint(Tile::Picture4, 9, 2);
    paint(Tile::ZERO, 6, 3);
    paint(Tile::hashi, 6, 3);  // a bridge laid over the hole
    paint(Tile::ZERO, 4, 6);
    paint(Tile::out, 11, 5);
    paint(Tile::hashi, 5, 2);  // a BRIDGE pickup
    auto santa = [&](SpriteSource s, int x, int y) { paintCopy(field, sprite(s), x, y); };
    santa(SpriteSource::santaS, 2 * kTileSize, 1 * kTileSize);
    santa(SpriteSource::santa0, 3 * kTileSize + 16, 2 * kTileSize);
    santa(SpriteSource::santa20, 8 * kTileSize, 2 * kTileSize);
    santa(SpriteSource::santa0, 7 * kTileSize, 5 * kTileSize);
    santa(SpriteSource::santa0, 12 * kTileSize, 2 * kTileSize);
    // The JUMP hover preview over a santa.
    paintOver(field, tile(Tile::Picture3), 12 * kTileSize, 2 * kTileSize);
    santa(SpriteSource::santa20, 2 * kTileSize + 16, 5 * kTileSize);
    return field;
}

class Sheet {
  public:
    explicit Sheet(int width, int height)
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height),
                   cairo_surface_destroy),
          cr_(cairo_create(surface_.get()), cairo_destroy) {
        cairo_set_source_rgb(cr(), 0.16, 0.17, 0.19);
        cairo_paint(cr());
        cairo_select_font_face(cr(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                               CAIRO_FONT_WEIGHT_NORMAL);
    }
    cairo_t* cr() { return cr_.get(); }

    void heading(double x, double y, const std::string& text) {
        cairo_set_font_size(cr(), 20);
        cairo_set_source_rgb(cr(), 1, 1, 1);
        cairo_move_to(cr(), x, y);
        cairo_show_text(cr(), text.c_str());
    }

    // The picture enlarged nearest-neighbour, over a checkerboard where it is
    // transparent, with its caption under it. Returns its width.
    int place(const Image& image, int factor, double x, double y, const std::string& caption) {
        const int w = image.width * factor, h = image.height * factor;
        for (int cy = 0; cy < h; cy += 8) {
            for (int cx = 0; cx < w; cx += 8) {
                const bool dark = ((cx / 8) + (cy / 8)) % 2 == 0;
                cairo_set_source_rgb(cr(), dark ? 0.55 : 0.75, dark ? 0.55 : 0.75,
                                     dark ? 0.58 : 0.78);
                cairo_rectangle(cr(), x + cx, y + cy, std::min(8, w - cx), std::min(8, h - cy));
                cairo_fill(cr());
            }
        }
        Surface big = toSurface(factor == 1 ? image : enlarged(image, factor));
        cairo_set_source_surface(cr(), big.get(), x, y);
        cairo_paint(cr());
        cairo_set_font_size(cr(), 13);
        cairo_set_source_rgb(cr(), 0.92, 0.92, 0.92);
        cairo_move_to(cr(), x, y + h + 17);
        cairo_show_text(cr(), caption.c_str());
        return w;
    }

    Image image() { return fromSurface(surface_.get()); }

  private:
    Surface surface_;
    Context cr_;
};

Image contactSheet() {
    constexpr int kGap = 28, kMargin = 24;
    Sheet sheet(1420, 1560);
    double y = kMargin + 20;
    sheet.heading(kMargin, y, "sledloop pictures: tiles and palette icons, 4x");
    y += 14;
    double x = kMargin;
    const auto all = allPictures();
    for (std::size_t i = 0; i < 8; ++i) {
        x += sheet.place(*all[i].image, 4, x, y, std::string(all[i].caption)) + kGap - 8;
    }
    y += 128 + 60;
    sheet.heading(kMargin, y, "santas, 4x");
    sheet.heading(kMargin + 3 * (128 + kGap), y, "on the field, 2x");
    y += 14;
    x = kMargin;
    for (std::size_t i = 8; i < 11; ++i) {
        x += sheet.place(*all[i].image, 4, x, y, std::string(all[i].caption)) + kGap;
    }
    sheet.place(fieldScene(), 2, x, y, "tiles painted, sprites over them, the JUMP preview");
    y += 7 * 64 + 60;
    sheet.heading(kMargin, y, "window icon and reticle pointer, 4x");
    y += 14;
    x = kMargin;
    for (std::size_t i = 11; i < 15; ++i) {
        x += sheet.place(*all[i].image, 4, x, y, std::string(all[i].caption)) + kGap;
    }
    // The pointer as it shows over the field.
    Image over(kTileSize * 2, kTileSize, kBlack);
    paintCopy(over, tile(Tile::WALL), 0, 0);
    paintCopy(over, sprite(SpriteSource::santa0), kTileSize, 0);
    paintOver(over, reticle().image, 16, 0);
    sheet.place(over, 4, x, y, "the pointer over a wall and a santa");
    y += 192 + 60;
    sheet.heading(kMargin, y, "title picture as Image1 shows it, 959 x 478, 1x");
    y += 14;
    sheet.place(titlePictureShown(), 1, kMargin, y, "");
    return sheet.image();
}

int usage() {
    std::fprintf(stderr,
                 "usage: sledloop-pictures [--timing] DIR\n"
                 "writes every picture of the game as DIR/NAME.png and DIR/contact-sheet.png\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool timing = false;
    std::string dir;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--timing") == 0) {
            timing = true;
        } else if (argv[i][0] == '-' || !dir.empty()) {
            return usage();
        } else {
            dir = argv[i];
        }
    }
    if (dir.empty()) return usage();

    try {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        titlePicture();
        const auto drawn = Clock::now();
        titlePictureShown();
        const auto squeezed = Clock::now();
        if (timing) {
            using Ms = std::chrono::duration<double, std::milli>;
            std::printf("title picture: drawn in %.1f ms, squeezed in %.1f ms\n",
                        Ms(drawn - start).count(), Ms(squeezed - drawn).count());
        }

        std::filesystem::create_directories(dir);
        int written = 0;
        for (const NamedPicture& p : allPictures()) {
            writePng(dir + "/" + std::string(p.name) + ".png", *p.image);
            ++written;
        }
        writePng(dir + "/contact-sheet.png", contactSheet());
        std::printf("sledloop-pictures: wrote %d pictures and contact-sheet.png to %s\n", written,
                    dir.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sledloop-pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
