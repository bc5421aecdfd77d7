#include <new>

#include "platform/imaging.h"

namespace {

// Rounded to nearest, so an opaque pixel keeps its colour exactly.
std::uint32_t premultiply(std::uint32_t channel, std::uint32_t alpha) {
    return (channel * alpha + 127) / 255;
}

}  // namespace

HResult FormatConverter::Initialize(ImageFrame* source, PixelFormat format, DitherType, const void*,
                                    double, PaletteType) {
    if (source == nullptr) return E_INVALIDARG;
    if (format != PixelFormat::Premultiplied32bppBGRA) return E_INVALIDARG;
    const std::vector<std::uint8_t>& rgba = source->rgba();
    converted_ = false;
    try {
        image_.pixels.resize(rgba.size() / 4);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    image_.width = source->width();
    image_.height = source->height();
    for (std::size_t i = 0; i < image_.pixels.size(); ++i) {
        const std::uint8_t* p = &rgba[i * 4];
        const std::uint32_t a = p[3];
        image_.pixels[i] =
            a << 24 | premultiply(p[0], a) << 16 | premultiply(p[1], a) << 8 | premultiply(p[2], a);
    }
    converted_ = true;
    return S_OK;
}
