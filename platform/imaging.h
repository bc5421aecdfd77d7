// Picture decoding: a factory that opens a file by name and hands out its first
// frame, and a converter to 32-bit premultiplied BGRA that render targets turn
// into bitmaps. Backed by libpng (platform/imaging).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/render.h"

inline constexpr std::uint32_t GENERIC_READ = 0x80000000u;

// The file holds no picture the decoder can read (not a PNG).
inline constexpr HResult WINCODEC_ERR_COMPONENTNOTFOUND = static_cast<HResult>(0x88982F50u);
// The picture is damaged or cut short, or too large to decode.
inline constexpr HResult WINCODEC_ERR_BADIMAGE = static_cast<HResult>(0x88982F60u);
// A frame index past the picture's frames.
inline constexpr HResult WINCODEC_ERR_FRAMEMISSING = static_cast<HResult>(0x88982F62u);

enum class DecodeOptions { MetadataCacheOnDemand = 0, MetadataCacheOnLoad = 1 };
enum class PixelFormat { Premultiplied32bppBGRA };
enum class DitherType { None = 0 };
enum class PaletteType { Custom = 0, MedianCut = 1 };

// A decoded frame: straight (not premultiplied) 8-bit RGBA, row by row.
class ImageFrame : public PlatformObject {
  public:
    ImageFrame(std::uint32_t width, std::uint32_t height, std::vector<std::uint8_t> rgba)
        : width_(width), height_(height), rgba_(std::move(rgba)) {}
    std::uint32_t width() const { return width_; }
    std::uint32_t height() const { return height_; }
    const std::vector<std::uint8_t>& rgba() const { return rgba_; }

  private:
    std::uint32_t width_;
    std::uint32_t height_;
    std::vector<std::uint8_t> rgba_;
};

class ImageDecoder : public PlatformObject {
  public:
    // Frame 0 is the only frame of a PNG; any other index fails. Pixels are
    // decoded here, so a picture cut short fails now. The frame is independent
    // of the decoder and of the file, and outlives both.
    virtual HResult GetFrame(std::uint32_t index, ImageFrame** frame) = 0;
};

class FormatConverter : public PlatformObject {
  public:
    HResult Initialize(ImageFrame* source, PixelFormat format, DitherType dither,
                       const void* palette, double alphaThreshold, PaletteType paletteType);
    // The converted pixels, or null before a successful Initialize.
    const PixelImage* pixels() const { return converted_ ? &image_ : nullptr; }

  private:
    PixelImage image_;
    bool converted_ = false;
};

class ImagingFactory : public PlatformObject {
  public:
    // path is resolved as the game writes it ("images\back01.png"): backslashes
    // separate folders, relative to the current directory. The whole file is
    // read and its header checked here; only read access is offered.
    HResult CreateDecoderFromFilename(const wchar_t* path, const void* vendor,
                                      std::uint32_t desiredAccess, DecodeOptions options,
                                      ImageDecoder** decoder);
    HResult CreateFormatConverter(FormatConverter** converter);
};

HResult CreateImagingFactory(ImagingFactory** factory);
