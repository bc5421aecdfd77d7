#include "platform/raster/png_writer.h"

#include <png.h>

#include <algorithm>

std::vector<std::uint8_t> toStraightRgba(const PixelImage& frame) {
    std::vector<std::uint8_t> rgba(frame.pixels.size() * 4);
    std::uint8_t* out = rgba.data();
    for (std::uint32_t p : frame.pixels) {
        const std::uint32_t a = p >> 24;
        // Undo the premultiplication, rounding; a colour above its alpha is clamped.
        auto straight = [a](std::uint32_t c) {
            return a == 0 ? 0u : std::min((c * 255u + a / 2) / a, 255u);
        };
        out[0] = static_cast<std::uint8_t>(straight((p >> 16) & 0xFFu));
        out[1] = static_cast<std::uint8_t>(straight((p >> 8) & 0xFFu));
        out[2] = static_cast<std::uint8_t>(straight(p & 0xFFu));
        out[3] = static_cast<std::uint8_t>(a);
        out += 4;
    }
    return rgba;
}

bool writePng(const PixelImage& frame, const std::string& path) {
    if (frame.width == 0 || frame.height == 0 ||
        frame.pixels.size() != static_cast<std::size_t>(frame.width) * frame.height)
        return false;
    const std::vector<std::uint8_t> rgba = toStraightRgba(frame);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = frame.width;
    image.height = frame.height;
    image.format = PNG_FORMAT_RGBA;
    const bool written =
        png_image_write_to_file(&image, path.c_str(), 0, rgba.data(),
                                static_cast<png_int_32>(frame.width * 4), nullptr) != 0;
    png_image_free(&image);
    return written;
}
