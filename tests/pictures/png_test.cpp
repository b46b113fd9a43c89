// The PNG files: written by writePng and by the sledloop-pictures tool, read
// back here with libpng and compared pixel for pixel.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "picture_checks.h"
#include "png_file.h"
#include "ui/pictures/pictures.h"

namespace sledloop::pictures {
namespace {

namespace fs = std::filesystem;

std::optional<Image> readPng(const fs::path& path) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return std::nullopt;
    png.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> rgba(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&png);
        return std::nullopt;
    }
    Image image(static_cast<int>(png.width), static_cast<int>(png.height));
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = argb(rgba[i * 4], rgba[i * 4 + 1], rgba[i * 4 + 2], rgba[i * 4 + 3]);
    }
    return image;
}

class PngFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("sledloop-pictures-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(PngFiles, WritePngKeepsEveryPixelAndItsAlpha) {
    for (const Image* picture :
         {&tile(Tile::Picture3), &sprite(SpriteSource::santa0), &reticle().image}) {
        const fs::path file = dir_ / "picture.png";
        writePng(file, *picture);
        const auto back = readPng(file);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, *picture);
    }
}

TEST_F(PngFiles, WritePngNamesTheFileItCannotWrite) {
    const std::string file = (dir_ / "no-such-folder" / "x.png").string();
    try {
        writePng(file, tile(Tile::WALL));
        FAIL() << "wrote into a missing folder";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
    }
}

// The reviewed copies in docs/ are the pictures the game makes now. The
// title picture is left out: Cairo's anti-aliasing is not ours to pin.
TEST(DocsPictures, AreTheGamesPicturesOfToday) {
    const fs::path docs = SLEDLOOP_DOCS_PICTURES;
    for (const NamedPicture& p : allPictures()) {
        if (std::string_view(p.name).starts_with("title")) continue;
        const auto kept = readPng(docs / (std::string(p.name) + ".png"));
        ASSERT_TRUE(kept.has_value()) << "docs/pictures/" << p.name << ".png is missing";
        EXPECT_TRUE(*kept == *p.image)
            << "docs/pictures/" << p.name
            << ".png is out of date: cmake --build BUILD --target pictures-docs";
    }
    EXPECT_TRUE(fs::exists(docs / "contact-sheet.png"));
}

#ifdef SLEDLOOP_PICTURES_TOOL
TEST_F(PngFiles, TheToolWritesEveryPictureAndTheContactSheet) {
    const std::string command =
        std::string(SLEDLOOP_PICTURES_TOOL) + " '" + dir_.string() + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const NamedPicture& p : allPictures()) {
        const auto back = readPng(dir_ / (std::string(p.name) + ".png"));
        ASSERT_TRUE(back.has_value()) << p.name;
        EXPECT_TRUE(*back == *p.image) << p.name << " differs from the picture it was written from";
    }
    const auto sheet = readPng(dir_ / "contact-sheet.png");
    ASSERT_TRUE(sheet.has_value());
    EXPECT_GE(sheet->width, kTitleShownWidth);
    EXPECT_GE(sheet->height, kTitleShownHeight + 4 * 32 * 3);
}

TEST_F(PngFiles, TheToolWantsAFolder) {
    const std::string command = std::string(SLEDLOOP_PICTURES_TOOL) + " 2> /dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}
#endif

}  // namespace
}  // namespace sledloop::pictures
