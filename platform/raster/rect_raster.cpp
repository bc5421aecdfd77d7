#include "platform/raster/rect_raster.h"

#include <cmath>

namespace {

// Length of [i, i + 1] inside [from, to].
RASTER_INLINE float overlap(float i, float from, float to) {
    return std::max(std::min(i + 1.0f, to) - std::max(i, from), 0.0f);
}

// The stroke of a mitred rectangle is the outer rectangle less the inner one.
RASTER_INLINE void paintSharp(PixelImage& frame, RowBand band, const RectShape& s, const RectF& r) {
    const float w = s.halfWidth;
    const RectF outer{r.left - w, r.top - w, r.right + w, r.bottom + w};
    const RectF inner{r.left + w, r.top + w, r.right - w, r.bottom - w};
    const bool hollow = inner.right > inner.left && inner.bottom > inner.top;
    const RowBand rows = rowsBetween(band, outer.top, outer.bottom);
    const ColumnSpan span = columnsBetween(frame, outer.left, outer.right);
    for (int y = rows.top; y < rows.bottom; ++y) {
        const float fy = static_cast<float>(y);
        const float outerY = overlap(fy, outer.top, outer.bottom);
        const float innerY = hollow ? overlap(fy, inner.top, inner.bottom) : 0.0f;
        std::uint32_t* row = frameRow(frame, y);
        for (int x = span.begin; x < span.end; ++x) {
            const float fx = static_cast<float>(x);
            const float innerArea = hollow ? overlap(fx, inner.left, inner.right) * innerY : 0.0f;
            const float coverage = overlap(fx, outer.left, outer.right) * outerY - innerArea;
            row[x] = blendPaint(row[x], s.paint, std::max(coverage, 0.0f));
        }
    }
}

// Distance to the outline of a rectangle with round corners, from its centre
// (cx, cy), half extents (hx, hy) and corner radius.
RASTER_INLINE void paintRounded(PixelImage& frame, RowBand band, const RectShape& s,
                                const RectF& r) {
    const float cx = (r.left + r.right) * 0.5f, cy = (r.top + r.bottom) * 0.5f;
    const float hx = (r.right - r.left) * 0.5f, hy = (r.bottom - r.top) * 0.5f;
    const float radius = std::min({s.radius, hx, hy});
    const float reach = s.halfWidth + 0.5f;
    const RowBand rows = rowsBetween(band, r.top - reach, r.bottom + reach);
    const ColumnSpan span = columnsBetween(frame, r.left - reach, r.right + reach);
    for (int y = rows.top; y < rows.bottom; ++y) {
        const float qy = std::fabs(static_cast<float>(y) + 0.5f - cy) - (hy - radius);
        std::uint32_t* row = frameRow(frame, y);
        for (int x = span.begin; x < span.end; ++x) {
            const float qx = std::fabs(static_cast<float>(x) + 0.5f - cx) - (hx - radius);
            const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
            const float d =
                std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
            const float coverage = std::min(std::max(reach - std::fabs(d), 0.0f), 1.0f);
            row[x] = blendPaint(row[x], s.paint, coverage);
        }
    }
}

}  // namespace

RASTER_KERNEL void rasterRect(PixelImage& frame, RowBand band, const RectShape& shape) {
    // Either corner order describes the same rectangle.
    const RectF& given = shape.rect;
    const RectF r{std::min(given.left, given.right), std::min(given.top, given.bottom),
                  std::max(given.left, given.right), std::max(given.top, given.bottom)};
    if (!(shape.halfWidth > 0.0f) || !(r.right >= r.left && r.bottom >= r.top)) return;
    if (shape.radius > 0.0f)
        paintRounded(frame, band, shape, r);
    else
        paintSharp(frame, band, shape, r);
}
