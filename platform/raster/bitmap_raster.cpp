#include "platform/raster/bitmap_raster.h"

#include <cmath>
#include <vector>

// Weights are 8-bit fixed point (256 = 1). A destination row is made in two
// steps: the two source rows it falls between are mixed into a row of 16-bit
// channels (`mixed`, one texel of padding at each end repeating the edge
// texel), then each pixel mixes two neighbours of that row and is blended.

namespace {

struct ColumnTable {
    std::vector<std::int32_t> index;    // left texel, as an index into the mixed row
    std::vector<std::uint16_t> weight;  // share of the right texel, 0..256
    std::vector<float> share;           // opacity x horizontal area coverage
};

// Per thread, grown once and reused: nothing is allocated while frames are drawn.
thread_local ColumnTable columns;
thread_local std::vector<std::uint16_t> mixed;

// A sample position between texels: the left texel and the right one's weight.
struct Sample {
    int texel;
    std::uint32_t weight;
};

Sample splitSample(float position, bool nearest) {
    // Far outside any image, kept finite so the texel converts to int safely.
    position = !(position > -1e7f) ? -1e7f : std::min(position, 1e7f);
    const float texel = std::floor(position);
    const float fraction = position - texel;
    const std::uint32_t weight = nearest ? (fraction >= 0.5f ? 256u : 0u)
                                         : static_cast<std::uint32_t>(fraction * 256.0f + 0.5f);
    return {static_cast<int>(texel), weight};
}

// Area of [i, i + 1] inside [from, to].
float overlap(int i, float from, float to) {
    const float lo = std::max(static_cast<float>(i), from);
    const float hi = std::min(static_cast<float>(i + 1), to);
    return std::max(hi - lo, 0.0f);
}

inline std::uint32_t divide255(std::uint32_t v) {
    v += 128;
    return (v + (v >> 8)) >> 8;
}

// Mixes the two neighbours of every pixel of one row, scales by the pixel's
// share and blends it over the frame row.
template <bool Unit>
void blendRow(std::uint32_t* out, int count, const std::uint16_t* mix, int unitIndex,
              std::uint32_t unitWeight, const std::int32_t* index, const std::uint16_t* weight,
              const float* share, float rowShare) {
    for (int i = 0; i < count; ++i) {
        const std::uint16_t* left = mix + 4 * (Unit ? unitIndex + i : index[i]);
        const std::uint16_t* right = left + 4;
        const std::uint32_t w = Unit ? unitWeight : weight[i];
        const std::uint32_t f = static_cast<std::uint32_t>(share[i] * rowShare * 256.0f + 0.5f);
        std::uint32_t s[4];
        for (int c = 0; c < 4; ++c) {
            const std::uint32_t texel = (left[c] * (256u - w) + right[c] * w + 32768u) >> 16;
            s[c] = (texel * f + 128u) >> 8;
        }
        const std::uint32_t keep = 255u - std::min(s[3], 255u);
        const std::uint32_t d = out[i];
        std::uint32_t result = 0;
        for (int c = 0; c < 4; ++c) {
            const std::uint32_t channel = s[c] + divide255(((d >> (8 * c)) & 0xFFu) * keep);
            result |= std::min(channel, 255u) << (8 * c);
        }
        out[i] = result;
    }
}

// Mixed-row entries [from, to] from source rows top and bottom, weight w for bottom.
void mixRows(const PixelImage& image, int firstColumn, int top, int bottom, std::uint32_t w,
             int from, int to) {
    const std::size_t column = static_cast<std::size_t>(firstColumn + from - 1);
    const auto* upper = reinterpret_cast<const std::uint8_t*>(
        image.pixels.data() + static_cast<std::size_t>(top) * image.width + column);
    const auto* lower = reinterpret_cast<const std::uint8_t*>(
        image.pixels.data() + static_cast<std::size_t>(bottom) * image.width + column);
    std::uint16_t* out = mixed.data() + 4 * from;
    const std::uint16_t keep = static_cast<std::uint16_t>(256u - w);
    const std::uint16_t take = static_cast<std::uint16_t>(w);
    const int bytes = 4 * (to - from + 1);
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint16_t>(upper[i] * keep + lower[i] * take);
}

}  // namespace

void rasterBitmap(PixelImage& frame, RowBand band, const BitmapShape& shape) {
    const PixelImage& image = *shape.image;
    const RectF& dst = shape.destination;
    const RectF& src = shape.source;
    const float opacity = std::min(shape.opacity, 1.0f);
    if (!(dst.right > dst.left && dst.bottom > dst.top && opacity > 0.0f)) return;
    if (!(src.right > src.left && src.bottom > src.top)) return;

    // Texels that may be sampled: the source rectangle's, within the image.
    const int firstColumn = std::max(clampedFloor(src.left, 0, static_cast<int>(image.width)), 0);
    const int lastColumn = clampedFloor(std::ceil(src.right), 0, static_cast<int>(image.width)) - 1;
    const int firstRow = clampedFloor(src.top, 0, static_cast<int>(image.height));
    const int lastRow = clampedFloor(std::ceil(src.bottom), 0, static_cast<int>(image.height)) - 1;
    if (lastColumn < firstColumn || lastRow < firstRow) return;

    const int width = static_cast<int>(frame.width);
    const int x0 = clampedFloor(dst.left, 0, width);
    const int x1 = clampedFloor(std::ceil(dst.right), 0, width);
    const int y0 = clampedFloor(dst.top, band.top, band.bottom);
    const int y1 = clampedFloor(std::ceil(dst.bottom), band.top, band.bottom);
    if (x0 >= x1 || y0 >= y1) return;

    const float scaleX = (src.right - src.left) / (dst.right - dst.left);
    const float scaleY = (src.bottom - src.top) / (dst.bottom - dst.top);
    const int count = x1 - x0;
    const int texels = lastColumn - firstColumn + 1;

    // Mixed-row index of source column c is c - firstColumn + 1; entries 0 and
    // texels + 1 are the padding.
    if (columns.index.size() < static_cast<std::size_t>(count)) {
        columns.index.resize(count);
        columns.weight.resize(count);
        columns.share.resize(count);
    }
    if (mixed.size() < 4 * static_cast<std::size_t>(texels + 2)) mixed.resize(4 * (texels + 2));

    const Sample first = splitSample(
        src.left + (static_cast<float>(x0) + 0.5f - dst.left) * scaleX - 0.5f, shape.nearest);
    // At unit scale every pixel has the same weight and the next texel, so the
    // row is walked with contiguous reads; the padding stands in for clamping.
    const bool unit =
        scaleX == 1.0f && first.texel >= firstColumn - 1 && first.texel + count <= lastColumn + 1;
    int lowest = texels + 1, highest = 0;
    for (int i = 0; i < count; ++i) {
        const int x = x0 + i;
        columns.share[i] = opacity * overlap(x, dst.left, dst.right);
        if (unit) continue;
        const Sample s = splitSample(
            src.left + (static_cast<float>(x) + 0.5f - dst.left) * scaleX - 0.5f, shape.nearest);
        const int left = std::clamp(s.texel, firstColumn, lastColumn);
        const int right = std::clamp(s.texel + 1, firstColumn, lastColumn);
        // A clamped pair samples one texel; point both at it.
        columns.index[i] = left - firstColumn + 1;
        columns.weight[i] = static_cast<std::uint16_t>(right == left ? 0u : s.weight);
        lowest = std::min(lowest, columns.index[i]);
        highest = std::max(highest, columns.index[i] + (right == left ? 0 : 1));
    }
    const int unitIndex = first.texel - firstColumn + 1;
    if (unit) {
        lowest = unitIndex;
        highest = unitIndex + count;
    }
    const int mixFrom = std::max(lowest, 1), mixTo = std::min(highest, texels);

    for (int y = y0; y < y1; ++y) {
        const float rowShare = overlap(y, dst.top, dst.bottom);
        const Sample s = splitSample(
            src.top + (static_cast<float>(y) + 0.5f - dst.top) * scaleY - 0.5f, shape.nearest);
        const int top = std::clamp(s.texel, firstRow, lastRow);
        const int bottom = std::clamp(s.texel + 1, firstRow, lastRow);
        mixRows(image, firstColumn, top, bottom, bottom == top ? 0u : s.weight, mixFrom, mixTo);
        if (lowest == 0) std::copy_n(&mixed[4], 4, &mixed[0]);
        if (highest == texels + 1) std::copy_n(&mixed[4 * texels], 4, &mixed[4 * (texels + 1)]);
        std::uint32_t* out = frameRow(frame, y) + x0;
        if (unit)
            blendRow<true>(out, count, mixed.data(), unitIndex, first.weight, nullptr, nullptr,
                           columns.share.data(), rowShare);
        else
            blendRow<false>(out, count, mixed.data(), 0, 0, columns.index.data(),
                            columns.weight.data(), columns.share.data(), rowShare);
    }
}
