#include "tools/bench/bench_assets.h"

#include <cstdint>

#include "gfx/draw_resources.h"
#include "platform/imaging.h"

namespace {

// Frame 0 of a PNG as a premultiplied bitmap, or null.
Bitmap* decodePicture(ImagingFactory* factory, const std::string& path) {
    const std::wstring widePath(path.begin(), path.end());
    ImageDecoder* decoder = nullptr;
    if (failed(factory->CreateDecoderFromFilename(widePath.c_str(), nullptr, GENERIC_READ,
                                                  DecodeOptions::MetadataCacheOnLoad, &decoder)))
        return nullptr;
    ImageFrame* frame = nullptr;
    FormatConverter* converter = nullptr;
    Bitmap* bitmap = nullptr;
    if (succeeded(decoder->GetFrame(0, &frame)) &&
        succeeded(factory->CreateFormatConverter(&converter)) &&
        succeeded(converter->Initialize(frame, PixelFormat::Premultiplied32bppBGRA,
                                        DitherType::None, nullptr, 0.0, PaletteType::Custom)))
        bitmap = new Bitmap(*converter->pixels());
    if (converter != nullptr) converter->Release();
    if (frame != nullptr) frame->Release();
    decoder->Release();
    return bitmap;
}

// A stand-in of the picture's size: blocks of colour, every other one
// half transparent and one in four fully transparent, so blending does real work.
Bitmap* makeStandIn(std::uint32_t width, std::uint32_t height) {
    PixelImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t block = (x / 24 + y / 24 * 3) % 4;
            const std::uint32_t pixel[] = {0xFF203048u, 0x80102040u, 0x00000000u, 0xFF6080A0u};
            image.pixels[static_cast<std::size_t>(y) * width + x] = pixel[block];
        }
    }
    return new Bitmap(std::move(image));
}

Bitmap* loadPicture(ImagingFactory* factory, const std::string& path, std::uint32_t width,
                    std::uint32_t height, std::string& notes) {
    if (Bitmap* bitmap = factory != nullptr ? decodePicture(factory, path) : nullptr) return bitmap;
    notes += "stand-in for " + path + "\n";
    return makeStandIn(width, height);
}

}  // namespace

std::string setUpBenchResources(const std::string& dataDirectory) {
    std::string notes;
    ImagingFactory* factory = nullptr;
    if (failed(CreateImagingFactory(&factory))) factory = nullptr;
    backgroundBitmap =
        loadPicture(factory, dataDirectory + "/images/back01.png", 1800, 3072, notes);
    shipBitmap = loadPicture(factory, dataDirectory + "/images/jiki1.png", 1600, 3600, notes);
    if (factory != nullptr) factory->Release();

    // The same resources the application creates at start-up.
    largeTextFormat = new TextFormat({L"メイリオ", FONT_WEIGHT_BLACK, FontStyle::Normal,
                                      FONT_STRETCH_EXTRA_EXPANDED, 56.0f, L""});
    smallTextFormat = new TextFormat(
        {L"メイリオ", FONT_WEIGHT_BOLD, FontStyle::Normal, FONT_STRETCH_NORMAL, 16.0f, L""});
    glowStroke = new StrokeStyle({CapStyle::Round, CapStyle::Round, CapStyle::Flat, LineJoin::Miter,
                                  10.0f, DashStyle::Solid, 0.0f});
    brush = new Brush({0.0f, 0.0f, 0.0f, 1.0f});
    return notes;
}
