#include "platform/raster/bitmap_raster.h"

#include <cmath>
#include <vector>

#include "platform/raster/kernel_dispatch.h"

// Weights are 8-bit fixed point (256 = 1). A pixel's source is its four texels
// weighted by the bilinear weights times its share (opacity x area coverage),
// the four weights summing to the share, so every channel stays within 16 bits.
// Scaled draws mix the two source rows first and then neighbouring texels.
// Each destination row is made in two stages: the premultiplied source of its
// pixels goes into a scratch row, which is then blended over the frame row
// (opaque stretches go straight into the frame).

namespace {

// The four texel weights of a sample (upper left, upper right, lower left,
// lower right) for horizontal and vertical weights wx, wy and share f, all
// 0..256; they sum to f exactly, the rounding remainder going to the largest.
struct Weights {
    std::uint16_t w[4];
};

// What a draw knows about its columns, and the rows it makes.
struct RowScratch {
    std::vector<std::int32_t> texel;    // left texel of each column
    std::vector<std::uint16_t> weight;  // share of the right texel, 0..256
    std::vector<float> share;           // opacity x horizontal area coverage
    std::vector<std::int32_t> left;     // scaled draws: texels into `mixed`, clamped
    std::vector<std::int32_t> right;
    std::vector<Weights> full;      // scaled: weights of a fully covered row; unit: edge weights
    bool edgeWeightsValid = false;  // unit scale: `full` holds the edges' weights for
    std::uint32_t edgeWy = 0;       // this vertical weight
    float edgeRowShare = 0;         // and this row share
    std::vector<std::uint32_t> source;  // the row's premultiplied source pixels
    std::vector<std::uint32_t> mixed;   // scaled draws: the source rows mixed vertically
};

// Per thread, grown once and reused: nothing is allocated while frames are drawn.
thread_local RowScratch scratch;

// Pixels blended in one vector step of the short-row loops.
constexpr int kStep = 8;

int roundUpToStep(int n) {
    return (n + kStep - 1) / kStep * kStep;
}

// Inner pixels at unit scale go in blocks. A block whose texels are all zero
// (fully transparent) is skipped, and a fully opaque one drawn at full share
// is written without blending: both leave the frame exactly as blending would.
constexpr int kBlock = 32;

struct Sample {
    int texel;  // texel left of (or above) the sample point
    std::uint32_t weight;
};

RASTER_INLINE Sample splitSample(float position, bool nearest) {
    // Far outside any image, kept in range so the texel converts to int safely.
    position = std::max(std::min(position, 1e7f), -1e7f);
    const float texel = std::floor(position);
    const float fraction = position - texel;
    const std::uint32_t weight = nearest ? (fraction >= 0.5f ? 256u : 0u)
                                         : static_cast<std::uint32_t>(fraction * 256.0f + 0.5f);
    return {static_cast<int>(texel), weight};
}

// Length of [i, i + 1] inside [from, to].
RASTER_INLINE float overlap(int i, float from, float to) {
    const float lo = std::max(static_cast<float>(i), from);
    const float hi = std::min(static_cast<float>(i + 1), to);
    return std::max(hi - lo, 0.0f);
}

// 0..256 from a share 0..1.
RASTER_INLINE std::uint32_t fixedShare(float share) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(share * 256.0f + 0.5f));
}

RASTER_INLINE Weights texelWeights(std::uint32_t wx, std::uint32_t wy, std::uint32_t f) {
    const std::uint32_t full[4] = {(256 - wx) * (256 - wy), wx * (256 - wy), (256 - wx) * wy,
                                   wx * wy};
    Weights out{};
    std::uint32_t sum = 0;
    int largest = 0;
    for (int k = 0; k < 4; ++k) {
        out.w[k] = static_cast<std::uint16_t>(full[k] * f >> 16);
        sum += out.w[k];
        if (full[k] > full[largest]) largest = k;
    }
    out.w[largest] = static_cast<std::uint16_t>(out.w[largest] + (f - sum));
    return out;
}

// Two channels at a time in the 16-bit halves of a word: sum of t[k] x w[k],
// rounded, for weights summing to at most 256.
RASTER_INLINE std::uint32_t weighPixels(const std::uint32_t* t, const std::uint16_t* w, int n) {
    constexpr std::uint32_t kLow = 0x00FF00FFu, kHalf = 0x00800080u;
    std::uint32_t low = kHalf, high = kHalf;
    for (int k = 0; k < n; ++k) {
        low += (t[k] & kLow) * w[k];
        high += ((t[k] >> 8) & kLow) * w[k];
    }
    return ((low >> 8) & kLow) | (high & ~kLow);
}

// One pixel from the texels left and right in rows upper and lower.
RASTER_INLINE std::uint32_t samplePixel(const std::uint32_t* upper, const std::uint32_t* lower,
                                        int left, int right, const Weights& weights) {
    const std::uint32_t texels[4] = {upper[left], upper[right], lower[left], lower[right]};
    return weighPixels(texels, weights.w, 4);
}

// One channel: the weighted sum, rounded. Each step is cut to 16 bits (no value
// exceeds 65535), so the loops using it run on 16-bit vector lanes.
RASTER_INLINE std::uint8_t weighChannel(std::uint16_t sum) {
    return static_cast<std::uint8_t>(static_cast<std::uint16_t>(sum + 128) >> 8);
}
RASTER_INLINE std::uint16_t weigh(std::uint8_t channel, std::uint16_t weight) {
    return static_cast<std::uint16_t>(channel * weight);
}

// Pixels at unit scale, channel by channel along the bytes of the rows, each
// texel's right neighbour being the next one. Rows or columns with zero weight
// are left out (MixX: the right texels count; MixY: the lower row counts).
template <bool MixX, bool MixY>
RASTER_INLINE void sampleUnitRun(std::uint32_t* out, int count, const std::uint32_t* upper,
                                 const std::uint32_t* lower, const Weights& weights) {
    const auto* __restrict a = reinterpret_cast<const std::uint8_t*>(upper);
    const auto* __restrict b = reinterpret_cast<const std::uint8_t*>(lower);
    auto* __restrict o = reinterpret_cast<std::uint8_t*>(out);
    const std::uint16_t* w = weights.w;
    for (int i = 0; i < 4 * count; ++i) {
        std::uint16_t sum = weigh(a[i], w[0]);
        if (MixX) sum = static_cast<std::uint16_t>(sum + weigh(a[i + 4], w[1]));
        if (MixY) sum = static_cast<std::uint16_t>(sum + weigh(b[i], w[2]));
        if (MixX && MixY) sum = static_cast<std::uint16_t>(sum + weigh(b[i + 4], w[3]));
        o[i] = weighChannel(sum);
    }
}

RASTER_INLINE void sampleUnitRun(std::uint32_t* out, int count, const std::uint32_t* upper,
                                 const std::uint32_t* lower, const Weights& weights) {
    const bool mixX = weights.w[1] != 0 || weights.w[3] != 0;
    const bool mixY = weights.w[2] != 0 || weights.w[3] != 0;
    if (mixX && mixY) return sampleUnitRun<true, true>(out, count, upper, lower, weights);
    if (mixX) return sampleUnitRun<true, false>(out, count, upper, lower, weights);
    if (mixY) return sampleUnitRun<false, true>(out, count, upper, lower, weights);
    sampleUnitRun<false, false>(out, count, upper, lower, weights);
}

// Texels [0, count) of rows upper and lower mixed vertically into out.
RASTER_INLINE void mixRows(std::uint32_t* out, int count, const std::uint32_t* upper,
                           const std::uint32_t* lower, std::uint32_t wy) {
    const auto* __restrict a = reinterpret_cast<const std::uint8_t*>(upper);
    const auto* __restrict b = reinterpret_cast<const std::uint8_t*>(lower);
    auto* __restrict o = reinterpret_cast<std::uint8_t*>(out);
    const auto keep = static_cast<std::uint16_t>(256 - wy), take = static_cast<std::uint16_t>(wy);
    for (int i = 0; i < 4 * count; ++i)
        o[i] = weighChannel(static_cast<std::uint16_t>(weigh(a[i], keep) + weigh(b[i], take)));
}

enum class BlockKind { Transparent, Opaque, Mixed };

// Whether a block's texels and the one after it are all zero in both rows, all
// opaque, or neither. Blocks shorter than kBlock are not worth the test; the
// fixed length compiles to a few vector instructions.
RASTER_INLINE BlockKind classifyBlock(const std::uint32_t* upper, const std::uint32_t* lower,
                                      int count) {
    if (count < kBlock) return BlockKind::Mixed;
    std::uint32_t any = upper[kBlock] | lower[kBlock];
    std::uint32_t all = upper[kBlock] & lower[kBlock];
    for (int i = 0; i < kBlock; ++i) {
        any |= upper[i] | lower[i];
        all &= upper[i] & lower[i];
    }
    if (any == 0) return BlockKind::Transparent;
    return all >> 24 == 0xFFu ? BlockKind::Opaque : BlockKind::Mixed;
}

// Source-over of premultiplied source pixels, channel by channel. The sum is
// clamped for sources whose colour exceeds their alpha.
RASTER_INLINE void blendRun(std::uint32_t* __restrict frame, const std::uint32_t* __restrict source,
                            int count) {
    auto* __restrict d = reinterpret_cast<std::uint8_t*>(frame);
    const auto* __restrict s = reinterpret_cast<const std::uint8_t*>(source);
    for (int p = 0; p < count; ++p) {
        const auto keep = static_cast<std::uint16_t>(255 - s[4 * p + 3]);
        for (int c = 0; c < 4; ++c) {
            const int i = 4 * p + c;
            const auto product = static_cast<std::uint16_t>(d[i] * keep + 128);
            const auto kept = static_cast<std::uint16_t>((product + (product >> 8)) >> 8);
            d[i] = static_cast<std::uint8_t>(std::min<std::uint16_t>(s[i] + kept, 255));
        }
    }
}

// The texels a draw may sample, its pixels, and their columns.
struct BitmapDraw {
    const PixelImage& image;
    int firstColumn, lastColumn, firstRow, lastRow;  // texels inside the source rectangle
    int x0, count;                                   // frame columns
    int frameWidth;
    float opacity;
    Sample first;              // sample of column x0
    int innerBegin, innerEnd;  // unit scale: columns with both texels inside and full cover
};

// Unit scale: the inner columns along the rows in runs of blocks, the others one by one.
RASTER_INLINE void paintUnitRow(std::uint32_t* out, const BitmapDraw& d, const std::uint32_t* upper,
                                const std::uint32_t* lower, std::uint32_t wy, float rowShare) {
    RowScratch& s = scratch;
    const Weights inner = texelWeights(d.first.weight, wy, fixedShare(d.opacity * rowShare));
    const int innerCount = d.innerEnd - d.innerBegin;
    // Short rows (small sprites) take no block tests and one blend for the
    // whole row. Where the frame row and the picture have room, they go in
    // whole vector steps: the padding's source is made zero, which blends to
    // nothing, so the loops never run their one-by-one tails.
    const bool inBlocks = innerCount >= kBlock;
    const int padded = roundUpToStep(d.count);
    const int innerPadded = roundUpToStep(innerCount);
    const std::size_t lowerInner = static_cast<std::size_t>(lower - d.image.pixels.data()) +
                                   (innerCount > 0 ? s.texel[d.innerBegin] : 0);
    const bool pad = !inBlocks && d.x0 + padded <= d.frameWidth &&
                     lowerInner + innerPadded < d.image.pixels.size();
    if (!inBlocks && innerCount > 0) {
        sampleUnitRun(s.source.data() + d.innerBegin, pad ? innerPadded : innerCount,
                      upper + s.texel[d.innerBegin], lower + s.texel[d.innerBegin], inner);
    }
    const bool fullShare = inner.w[0] + inner.w[1] + inner.w[2] + inner.w[3] == 256;
    auto blockEnd = [&](int at) { return std::min(at + kBlock, d.innerEnd); };
    auto kindAt = [&](int at) {
        return classifyBlock(upper + s.texel[at], lower + s.texel[at], blockEnd(at) - at);
    };
    // Runs of blocks of one kind, one call each.
    int i = inBlocks ? d.innerBegin : d.innerEnd;
    BlockKind kind = i < d.innerEnd ? kindAt(i) : BlockKind::Mixed;
    while (i < d.innerEnd) {
        int end = blockEnd(i);
        BlockKind next = kind;
        while (end < d.innerEnd && (next = kindAt(end)) == kind) end = blockEnd(end);
        const std::uint32_t* top = upper + s.texel[i];
        const std::uint32_t* bottom = lower + s.texel[i];
        if (kind == BlockKind::Opaque && fullShare) {
            sampleUnitRun(out + i, end - i, top, bottom, inner);
        } else if (kind != BlockKind::Transparent) {
            sampleUnitRun(s.source.data() + i, end - i, top, bottom, inner);
            blendRun(out + i, s.source.data() + i, end - i);
        }
        i = end;
        kind = next;
    }
    // The edge columns' weights change only with the row's weight and share,
    // which rows at unit vertical scale share but for the first and last.
    if (!s.edgeWeightsValid || s.edgeWy != wy || s.edgeRowShare != rowShare) {
        auto weigh = [&](int k) {
            s.full[k] = texelWeights(s.weight[k], wy, fixedShare(s.share[k] * rowShare));
        };
        for (int k = 0; k < d.innerBegin; ++k) weigh(k);
        for (int k = d.innerEnd; k < d.count; ++k) weigh(k);
        s.edgeWeightsValid = true;
        s.edgeWy = wy;
        s.edgeRowShare = rowShare;
    }
    auto paintEdge = [&](int k) {
        const int left = std::clamp(s.texel[k], d.firstColumn, d.lastColumn);
        const int right = std::clamp(s.texel[k] + 1, d.firstColumn, d.lastColumn);
        s.source[k] = samplePixel(upper, lower, left, right, s.full[k]);
    };
    for (int k = 0; k < d.innerBegin; ++k) paintEdge(k);
    for (int k = d.innerEnd; k < d.count; ++k) paintEdge(k);
    if (pad) {
        std::fill(s.source.data() + d.count, s.source.data() + padded, 0u);
        blendRun(out, s.source.data(), padded);
    } else if (!inBlocks) {
        blendRun(out, s.source.data(), d.count);
    } else {
        blendRun(out, s.source.data(), d.innerBegin);
        blendRun(out + d.innerEnd, s.source.data() + d.innerEnd, d.count - d.innerEnd);
    }
}

// Scaled: the two source rows mixed first, then two neighbours per pixel.
RASTER_INLINE void paintScaledRow(std::uint32_t* out, const BitmapDraw& d,
                                  const std::uint32_t* upper, const std::uint32_t* lower,
                                  std::uint32_t wy, float rowShare) {
    RowScratch& s = scratch;
    const int texels = d.lastColumn - d.firstColumn + 1;
    mixRows(s.mixed.data(), texels, upper + d.firstColumn, lower + d.firstColumn, wy);
    if (rowShare == 1.0f) {
        for (int i = 0; i < d.count; ++i) {
            const std::uint32_t pair[2] = {s.mixed[s.left[i]], s.mixed[s.right[i]]};
            s.source[i] = weighPixels(pair, s.full[i].w, 2);
        }
    } else {
        for (int i = 0; i < d.count; ++i) {
            const std::uint32_t pair[2] = {s.mixed[s.left[i]], s.mixed[s.right[i]]};
            const Weights w = texelWeights(s.weight[i], 0, fixedShare(s.share[i] * rowShare));
            s.source[i] = weighPixels(pair, w.w, 2);
        }
    }
    blendRun(out, s.source.data(), d.count);
}

}  // namespace

RASTER_KERNEL void rasterBitmap(PixelImage& frame, RowBand band, const BitmapShape& shape) {
    const PixelImage& image = *shape.image;
    const RectF& dst = shape.destination;
    const RectF& src = shape.source;
    const float opacity = std::min(shape.opacity, 1.0f);
    if (!(dst.right > dst.left && dst.bottom > dst.top && opacity > 0.0f)) return;
    if (!(src.right > src.left && src.bottom > src.top)) return;

    // Texels that may be sampled: the source rectangle's, within the image.
    const int imageWidth = static_cast<int>(image.width);
    const int imageHeight = static_cast<int>(image.height);
    const int firstColumn = clampedFloor(src.left, 0, imageWidth);
    const int lastColumn = clampedFloor(std::ceil(src.right), 0, imageWidth) - 1;
    const int firstRow = clampedFloor(src.top, 0, imageHeight);
    const int lastRow = clampedFloor(std::ceil(src.bottom), 0, imageHeight) - 1;
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
    RowScratch& s = scratch;
    if (s.texel.size() < static_cast<std::size_t>(count)) {
        s.texel.resize(count);
        s.weight.resize(count);
        s.share.resize(count);
        s.left.resize(count);
        s.right.resize(count);
        s.full.resize(count);
        // Room for a short row's padding (roundUpToStep).
        s.source.resize(count + 2 * kStep);
    }
    if (s.mixed.size() < static_cast<std::size_t>(texels)) s.mixed.resize(texels);

    // At unit scale the sample of pixel x0 + i lies i texels right of x0's.
    const bool unit = scaleX == 1.0f;
    s.edgeWeightsValid = false;
    BitmapDraw d{image,
                 firstColumn,
                 lastColumn,
                 firstRow,
                 lastRow,
                 x0,
                 count,
                 width,
                 opacity,
                 splitSample(src.left + (static_cast<float>(x0) + 0.5f - dst.left) * scaleX - 0.5f,
                             shape.nearest),
                 count,
                 count};
    for (int i = 0; i < count; ++i) {
        const int x = x0 + i;
        const float cover = overlap(x, dst.left, dst.right);
        s.share[i] = opacity * cover;
        const Sample c =
            unit ? Sample{d.first.texel + i, d.first.weight}
                 : splitSample(src.left + (static_cast<float>(x) + 0.5f - dst.left) * scaleX - 0.5f,
                               shape.nearest);
        s.texel[i] = c.texel;
        s.weight[i] = static_cast<std::uint16_t>(c.weight);
        if (unit && cover == 1.0f && c.texel >= firstColumn && c.texel + 1 <= lastColumn) {
            if (d.innerBegin == count) d.innerBegin = i;
            d.innerEnd = i + 1;
        }
        if (!unit) {
            s.left[i] = std::clamp(c.texel, firstColumn, lastColumn) - firstColumn;
            s.right[i] = std::clamp(c.texel + 1, firstColumn, lastColumn) - firstColumn;
            s.full[i] = texelWeights(c.weight, 0, fixedShare(s.share[i]));
        }
    }

    const std::size_t stride = image.width;
    for (int y = y0; y < y1; ++y) {
        const float rowShare = overlap(y, dst.top, dst.bottom);
        const Sample v = splitSample(
            src.top + (static_cast<float>(y) + 0.5f - dst.top) * scaleY - 0.5f, shape.nearest);
        // Rows beyond the source rectangle repeat its edge row.
        const std::uint32_t* upper =
            image.pixels.data() + std::clamp(v.texel, firstRow, lastRow) * stride;
        const std::uint32_t* lower =
            image.pixels.data() + std::clamp(v.texel + 1, firstRow, lastRow) * stride;
        std::uint32_t* out = frameRow(frame, y) + x0;
        if (unit)
            paintUnitRow(out, d, upper, lower, v.weight, rowShare);
        else
            paintScaledRow(out, d, upper, lower, v.weight, rowShare);
    }
}
