#include "platform/raster/mask_raster.h"

RASTER_KERNEL void rasterMask(PixelImage& frame, RowBand band, const MaskShape& shape) {
    const TextMask& m = *shape.mask;
    const int x0 = std::max(m.left, 0);
    const int x1 = std::min(m.left + m.width, static_cast<int>(frame.width));
    const int y0 = std::max(m.top, band.top);
    const int y1 = std::min(m.top + m.height, band.bottom);
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* coverage =
            m.coverage.data() + static_cast<std::size_t>(y - m.top) * m.width;
        std::uint32_t* row = frameRow(frame, y);
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t c = coverage[x - m.left];
            if (c != 0) row[x] = blendPaint(row[x], shape.paint, static_cast<float>(c) / 255.0f);
        }
    }
}
