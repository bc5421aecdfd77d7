#include "platform/imaging/png_decoder.h"

#include <png.h>

#include <new>

namespace {

// Far above the game's pictures, low enough that a forged header cannot make
// one decode claim gigabytes.
constexpr std::uint32_t kMaxSide = 16384;
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 25;

bool beginRead(png_image& image, const std::vector<std::uint8_t>& bytes) {
    image = {};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) return false;
    if (image.width > kMaxSide || image.height > kMaxSide ||
        std::uint64_t{image.width} * image.height > kMaxPixels) {
        png_image_free(&image);
        return false;
    }
    return true;
}

}  // namespace

HResult PngDecoder::open(std::vector<std::uint8_t> bytes, ImageDecoder** decoder) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
        return WINCODEC_ERR_COMPONENTNOTFOUND;
    }
    png_image image;
    if (!beginRead(image, bytes)) return WINCODEC_ERR_BADIMAGE;
    png_image_free(&image);
    *decoder = new (std::nothrow) PngDecoder(std::move(bytes));
    return *decoder != nullptr ? S_OK : E_OUTOFMEMORY;
}

HResult PngDecoder::GetFrame(std::uint32_t index, ImageFrame** frame) {
    if (frame == nullptr) return E_POINTER;
    if (index != 0) return WINCODEC_ERR_FRAMEMISSING;
    png_image image;
    if (!beginRead(image, bytes_)) return WINCODEC_ERR_BADIMAGE;
    // libpng expands palettes, grey, 16-bit and transparency chunks to 8-bit RGBA.
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba;
    try {
        rgba.resize(PNG_IMAGE_SIZE(image));
    } catch (const std::bad_alloc&) {
        png_image_free(&image);
        return E_OUTOFMEMORY;
    }
    // finish_read frees the libpng state whether or not it succeeds.
    if (png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr) == 0) {
        return WINCODEC_ERR_BADIMAGE;
    }
    *frame = new (std::nothrow) ImageFrame(image.width, image.height, std::move(rgba));
    return *frame != nullptr ? S_OK : E_OUTOFMEMORY;
}
