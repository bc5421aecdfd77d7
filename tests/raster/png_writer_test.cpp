// Frames written as PNG and read back with libpng.
#include "platform/raster/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <filesystem>

namespace {

class PngWriterTest : public ::testing::Test {
  protected:
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("skyrail-png-" + std::to_string(::getpid()));
};

TEST(StraightRgba, UndoesThePremultiplication) {
    PixelImage frame;
    frame.width = 5;
    frame.height = 1;
    frame.pixels = {0xFF102030u, 0x80400020u, 0x00000000u, 0x40FF0000u, 0x01010101u};
    const std::vector<std::uint8_t> expected = {
        0x10, 0x20, 0x30, 0xFF,  // opaque: as it is
        128,  0,    64,   0x80,  // half: doubled, rounded
        0,    0,    0,    0,     // clear
        255,  0,    0,    0x40,  // colour above its alpha: clamped
        255,  255,  255,  1,
    };
    EXPECT_EQ(toStraightRgba(frame), expected);
}

TEST_F(PngWriterTest, WritesAPictureThatReadsBackTheSame) {
    std::filesystem::create_directories(dir);
    PixelImage frame;
    frame.width = 7;
    frame.height = 3;
    for (std::uint32_t i = 0; i < 21; ++i) frame.pixels.push_back(0xFF000000u | i * 0x0A0B0C);
    frame.pixels[4] = 0x80402010u;
    const std::string path = (dir / "frame-00001.png").string();
    ASSERT_TRUE(writePng(frame, path));

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    EXPECT_EQ(image.width, 7u);
    EXPECT_EQ(image.height, 3u);
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> read(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, read.data(), 0, nullptr));
    EXPECT_EQ(read, toStraightRgba(frame));
}

TEST_F(PngWriterTest, ReportsWhatCannotBeWritten) {
    PixelImage frame;
    frame.width = 2;
    frame.height = 2;
    frame.pixels.assign(4, 0xFF000000u);
    EXPECT_FALSE(writePng(frame, (dir / "missing-folder" / "frame.png").string()));
    EXPECT_FALSE(writePng(PixelImage{}, (dir / "empty.png").string()));
    frame.pixels.pop_back();  // fewer pixels than the size says
    std::filesystem::create_directories(dir);
    EXPECT_FALSE(writePng(frame, (dir / "short.png").string()));
}

}  // namespace
