#include "tests/imaging/png_fixture.h"

#include <png.h>

#include <cstdlib>
#include <map>
#include <utility>

namespace {

// The pixels in the layout's own memory format, and the palette when it has one.
std::vector<std::uint8_t> arrange(const std::vector<std::uint8_t>& rgba, PngLayout layout,
                                  png_image& image, std::vector<std::uint8_t>& palette) {
    std::vector<std::uint8_t> out;
    const std::size_t count = rgba.size() / 4;
    switch (layout) {
        case PngLayout::Rgba:
            image.format = PNG_FORMAT_RGBA;
            return rgba;
        case PngLayout::Rgb:
            image.format = PNG_FORMAT_RGB;
            for (std::size_t i = 0; i < count; ++i)
                out.insert(out.end(), &rgba[i * 4], &rgba[i * 4 + 3]);
            return out;
        case PngLayout::GrayAlpha:
            image.format = PNG_FORMAT_GA;
            for (std::size_t i = 0; i < count; ++i) {
                out.push_back(rgba[i * 4]);
                out.push_back(rgba[i * 4 + 3]);
            }
            return out;
        case PngLayout::PaletteWithAlpha: {
            image.format = PNG_FORMAT_RGBA_COLORMAP;
            std::map<std::uint32_t, std::uint8_t> indices;
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint8_t* p = &rgba[i * 4];
                const std::uint32_t key = p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3];
                const auto [slot, added] = indices.emplace(key, indices.size());
                if (added) palette.insert(palette.end(), p, p + 4);
                out.push_back(slot->second);
            }
            image.colormap_entries = static_cast<png_uint_32>(indices.size());
            return out;
        }
    }
    std::abort();
}

}  // namespace

std::string encodePng(std::uint32_t width, std::uint32_t height,
                      const std::vector<std::uint8_t>& rgba, PngLayout layout) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    std::vector<std::uint8_t> palette;
    const std::vector<std::uint8_t> pixels = arrange(rgba, layout, image, palette);
    png_alloc_size_t size = 0;
    if (png_image_write_get_memory_size(image, size, 0, pixels.data(), 0,
                                        palette.empty() ? nullptr : palette.data()) == 0) {
        std::abort();
    }
    std::string bytes(size, '\0');
    if (png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0,
                                  palette.empty() ? nullptr : palette.data()) == 0) {
        std::abort();
    }
    bytes.resize(size);
    return bytes;
}
