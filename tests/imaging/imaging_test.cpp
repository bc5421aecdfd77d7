// The PNG decoder and the premultiplying converter, on small pictures written
// here in every layout the game's art may come in, and on damaged files.
#include "platform/imaging.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "tests/imaging/png_fixture.h"
#include "tests/imaging/scratch_dir.h"

namespace {

// Two rows: opaque red, half-transparent green, clear blue / opaque white, grey, 25% black.
const std::vector<std::uint8_t> kPixels = {
    255, 0,   0,   255, 0,   255, 0,   128, 0, 0, 255, 0,
    255, 255, 255, 255, 128, 128, 128, 255, 0, 0, 0,   64,
};

struct Decoded {
    HResult result = S_OK;
    bool opened = false;  // the decoder was created
    ImageFrame* frame = nullptr;
};

// The picture with its header claiming another size, checksum mended.
std::string withClaimedSize(std::string png, std::uint32_t side) {
    const unsigned char big[] = {
        static_cast<unsigned char>(side >> 24), static_cast<unsigned char>(side >> 16),
        static_cast<unsigned char>(side >> 8), static_cast<unsigned char>(side)};
    png.replace(16, 4, reinterpret_cast<const char*>(big), 4);
    png.replace(20, 4, reinterpret_cast<const char*>(big), 4);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17);
    for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    return png;
}

class ImagingTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(CreateImagingFactory(&factory), S_OK); }
    void TearDown() override { factory->Release(); }

    // Opens and decodes frame 0; the first failing step's code, or the frame.
    Decoded decode(const wchar_t* path) {
        ImageDecoder* decoder = nullptr;
        Decoded out;
        out.result = factory->CreateDecoderFromFilename(
            path, nullptr, GENERIC_READ, DecodeOptions::MetadataCacheOnLoad, &decoder);
        if (failed(out.result)) return out;
        out.opened = true;
        out.result = decoder->GetFrame(0, &out.frame);
        decoder->Release();
        return out;
    }

    ScratchDir dir;
    ImagingFactory* factory = nullptr;
};

TEST_F(ImagingTest, EveryLayoutDecodesToStraightRgba) {
    struct Case {
        PngLayout layout;
        std::vector<std::uint8_t> expected;
    };
    std::vector<std::uint8_t> opaque = kPixels;
    for (std::size_t i = 3; i < opaque.size(); i += 4) opaque[i] = 255;
    std::vector<std::uint8_t> grey = kPixels;
    for (std::size_t i = 0; i < grey.size(); i += 4) grey[i + 1] = grey[i + 2] = grey[i];
    const Case cases[] = {
        {PngLayout::Rgba, kPixels},
        {PngLayout::Rgb, opaque},
        {PngLayout::GrayAlpha, grey},
        {PngLayout::PaletteWithAlpha, kPixels},
    };
    CurrentDirectory here(dir.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.layout));
        dir.write("picture.png", encodePng(3, 2, kPixels, c.layout));
        Decoded decoded = decode(L"picture.png");
        ASSERT_EQ(decoded.result, S_OK);
        EXPECT_EQ(decoded.frame->width(), 3u);
        EXPECT_EQ(decoded.frame->height(), 2u);
        EXPECT_EQ(decoded.frame->rgba(), c.expected);
        decoded.frame->Release();
    }
}

TEST_F(ImagingTest, ConverterPremultipliesIntoArgbWords) {
    dir.write("picture.png", encodePng(3, 2, kPixels));
    CurrentDirectory here(dir.path());
    Decoded decoded = decode(L"picture.png");
    ASSERT_EQ(decoded.result, S_OK);

    FormatConverter* converter = nullptr;
    ASSERT_EQ(factory->CreateFormatConverter(&converter), S_OK);
    EXPECT_EQ(converter->pixels(), nullptr);
    ASSERT_EQ(converter->Initialize(decoded.frame, PixelFormat::Premultiplied32bppBGRA,
                                    DitherType::None, nullptr, 0.0, PaletteType::MedianCut),
              S_OK);
    const PixelImage* image = converter->pixels();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 3u);
    EXPECT_EQ(image->height, 2u);
    const std::vector<std::uint32_t> expected = {
        0xFFFF0000u, 0x80008000u, 0x00000000u,  // 255 * 128 / 255 rounds to 128
        0xFFFFFFFFu, 0xFF808080u, 0x40000000u,
    };
    EXPECT_EQ(image->pixels, expected);
    converter->Release();
    decoded.frame->Release();
}

TEST_F(ImagingTest, PathsUseBackslashesRelativeToTheCurrentDirectory) {
    dir.write("images/画像/pic.png", encodePng(3, 2, kPixels));
    CurrentDirectory here(dir.path());
    Decoded decoded = decode(L"images\\画像\\pic.png");
    ASSERT_EQ(decoded.result, S_OK);
    decoded.frame->Release();
}

TEST_F(ImagingTest, DamagedOrForeignFilesFailWithoutAFrame) {
    const std::string png = encodePng(3, 2, kPixels);
    struct Case {
        const char* name;
        const std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"text", "this is not a picture\n"},
        {"signature only", png.substr(0, 8)},
        {"cut in the pixel data", png.substr(0, png.size() - 20)},
        {"pixel data overwritten", png.substr(0, 41) + std::string(png.size() - 41, '\x5A')},
    };
    CurrentDirectory here(dir.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("broken.png", c.bytes);
        const Decoded decoded = decode(L"broken.png");
        EXPECT_TRUE(failed(decoded.result));
        EXPECT_EQ(decoded.frame, nullptr);
    }
    // A well-formed header claiming 20000 x 20000 pixels is refused before any pixel
    // memory is claimed; libpng itself would accept it.
    dir.write("huge.png", withClaimedSize(png, 20000));
    const Decoded huge = decode(L"huge.png");
    EXPECT_TRUE(failed(huge.result));
    EXPECT_FALSE(huge.opened);

    EXPECT_TRUE(failed(decode(L"missing.png").result));
    EXPECT_TRUE(failed(decode(L".").result));  // a directory
}

TEST_F(ImagingTest, OnlyFrameZeroExists) {
    dir.write("picture.png", encodePng(3, 2, kPixels));
    CurrentDirectory here(dir.path());
    ImageDecoder* decoder = nullptr;
    ASSERT_EQ(factory->CreateDecoderFromFilename(L"picture.png", nullptr, GENERIC_READ,
                                                 DecodeOptions::MetadataCacheOnLoad, &decoder),
              S_OK);
    ImageFrame* frame = nullptr;
    EXPECT_EQ(decoder->GetFrame(1, &frame), WINCODEC_ERR_FRAMEMISSING);
    EXPECT_EQ(frame, nullptr);
    decoder->Release();
}

}  // namespace
