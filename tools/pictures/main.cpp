// sledloop-pictures DIR: writes every picture of the game as DIR/NAME.png and
// a contact sheet of them all, enlarged 4x, as DIR/contact-sheet.png, so that
// the art can be reviewed without running the game.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "caption_font.h"
#include "png_file.h"
#include "ui/pictures/pictures.h"

namespace {

using namespace sledloop;
using namespace sledloop::pictures;

constexpr Argb kSheetBackground = opaque(0x292B30);
constexpr Argb kHeadingColor = opaque(0xFFFFFF);
constexpr Argb kCaptionColor = opaque(0xD8D8D8);

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
    Sheet(int width, int height) : image_(width, height, kSheetBackground) {}

    void heading(int x, int y, std::string_view text) {
        drawText(image_, x, y, text, kHeadingColor, 3);
    }

    // The picture enlarged nearest-neighbour over a checkerboard, which shows
    // where it is transparent, with its caption under it ("name: what" on two
    // lines). Returns the width it takes.
    int place(const Image& picture, int factor, int x, int y, std::string_view caption) {
        const Image big = factor == 1 ? picture : enlarged(picture, factor);
        for (int cy = 0; cy < big.height; cy += 8) {
            for (int cx = 0; cx < big.width; cx += 8) {
                const bool dark = ((cx / 8) + (cy / 8)) % 2 == 0;
                const Image square(std::min(8, big.width - cx), std::min(8, big.height - cy),
                                   dark ? opaque(0x8C8C94) : opaque(0xBFBFC7));
                paintCopy(image_, square, x + cx, y + cy);
            }
        }
        paintOver(image_, big, x, y);
        int width = big.width, line = 0;
        while (!caption.empty()) {
            const std::size_t colon = caption.find(": ");
            const std::string_view text = caption.substr(0, colon);
            drawText(image_, x, y + big.height + 8 + line * 22, text, kCaptionColor, 2);
            width = std::max(width, textWidth(text, 2));
            caption = colon == std::string_view::npos ? "" : caption.substr(colon + 2);
            ++line;
        }
        return width;
    }

    const Image& image() const { return image_; }

  private:
    Image image_;
};

Image contactSheet() {
    constexpr int kGap = 36, kMargin = 24;
    Sheet sheet(1460, 1640);
    int y = kMargin;
    sheet.heading(kMargin, y, "Tiles and palette icons, 4x");
    y += 40;
    int x = kMargin;
    const auto all = allPictures();
    for (std::size_t i = 0; i < 8; ++i) {
        x += sheet.place(*all[i].image, 4, x, y, all[i].caption) + kGap;
    }
    y += 128 + 70;
    sheet.heading(kMargin, y, "Santas, 4x");
    const int fieldX = kMargin + 3 * (128 + kGap) + 20;
    sheet.heading(fieldX, y, "On the field, 2x: tiles, sprites, the JUMP preview");
    y += 40;
    x = kMargin;
    for (std::size_t i = 8; i < 11; ++i) {
        sheet.place(*all[i].image, 4, x, y, all[i].caption);
        x += 128 + kGap;
    }
    sheet.place(fieldScene(), 2, fieldX, y, "");
    y += 7 * 64 + 40;
    sheet.heading(kMargin, y, "Window icon and reticle pointer, 4x");
    y += 40;
    x = kMargin;
    for (std::size_t i = 11; i < 15; ++i) {
        x += sheet.place(*all[i].image, 4, x, y, all[i].caption) + kGap;
    }
    // The pointer as it shows over the field.
    Image over(kTileSize * 2, kTileSize, kBlack);
    paintCopy(over, tile(Tile::WALL), 0, 0);
    paintCopy(over, sprite(SpriteSource::santa0), kTileSize, 0);
    paintOver(over, reticle().image, 16, 0);
    sheet.place(over, 4, x, y, "over a wall and a santa");
    y += 192 + 70;
    sheet.heading(kMargin, y, "Title picture as Image1 shows it, 959 x 478, 1x");
    y += 40;
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
        // Wall time, and the processor time that a busy machine does not inflate.
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        titlePicture();
        const auto drawn = Clock::now();
        const std::clock_t cpuDrawn = std::clock();
        titlePictureShown();
        const auto squeezed = Clock::now();
        const std::clock_t cpuSqueezed = std::clock();
        if (timing) {
            using Ms = std::chrono::duration<double, std::milli>;
            auto cpuMs = [](std::clock_t from, std::clock_t to) {
                return 1000.0 * static_cast<double>(to - from) / CLOCKS_PER_SEC;
            };
            std::printf(
                "title picture: drawn in %.1f ms (%.1f ms processor), squeezed in %.1f ms "
                "(%.1f ms processor)\n",
                Ms(drawn - start).count(), cpuMs(cpuStart, cpuDrawn), Ms(squeezed - drawn).count(),
                cpuMs(cpuDrawn, cpuSqueezed));
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
