#include "platform/raster/line_raster.h"

#include <cmath>

namespace {

// Farther than any distance a drawable line has (this file assumes finite numbers).
constexpr float kFar = 1e30f;

struct Segment {
    float ax, ay, dx, dy;
    float length;
    float invLengthSquared;  // 0 for a zero-length segment: every point measures to `from`
};

RASTER_INLINE Segment makeSegment(PointF from, PointF to) {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    // Shorter than a millionth of a pixel counts as a point, which keeps the
    // reciprocal finite.
    const float lengthSquared = dx * dx + dy * dy;
    if (!(lengthSquared > 1e-12f)) return {from.x, from.y, dx, dy, 0.0f, 0.0f};
    return {from.x, from.y, dx, dy, std::sqrt(lengthSquared), 1.0f / lengthSquared};
}

// The x interval on the horizontal line y = cy within `radius` of the segment:
// the union of the two end discs and the band along the segment. Returns false
// when the line misses the capsule.
RASTER_INLINE bool capsuleRowInterval(const Segment& s, float cy, float radius, float& left,
                                      float& right) {
    left = kFar;
    right = -kFar;
    auto addDisc = [&](float x, float y) {
        const float h2 = radius * radius - (cy - y) * (cy - y);
        if (h2 < 0.0f) return;
        const float h = std::sqrt(h2);
        left = std::min(left, x - h);
        right = std::max(right, x + h);
    };
    addDisc(s.ax, s.ay);
    addDisc(s.ax + s.dx, s.ay + s.dy);
    if (s.length > 0.0f) {
        // Unit direction u and normal n; a point p is in the band when
        // |(p - a).n| <= radius and 0 <= (p - a).u <= length.
        const float ux = s.dx / s.length, uy = s.dy / s.length;
        const float nx = -uy, ny = ux;
        const float qy = cy - s.ay;
        float lo = -kFar, hi = kFar;
        auto clip = [&](float slope, float offset, float min, float max) {
            // Keeps x with min <= slope * x + offset <= max.
            if (std::fabs(slope) < 1e-6f) {
                if (offset < min || offset > max) lo = kFar;
                return;
            }
            float a = (min - offset) / slope, b = (max - offset) / slope;
            if (a > b) std::swap(a, b);
            lo = std::max(lo, a);
            hi = std::min(hi, b);
        };
        clip(nx, qy * ny, -radius, radius);
        clip(ux, qy * uy, 0.0f, s.length);
        if (lo <= hi) {
            left = std::min(left, s.ax + lo);
            right = std::max(right, s.ax + hi);
        }
    }
    return left <= right;
}

// Distances from the centres of pixels x .. x + N - 1 of a row to the
// segment, qy being the row's centre relative to the segment's start; returns
// the smallest.
template <int N>
RASTER_INLINE float measurePixels(float* distance, int x, float qy, const Segment& s) {
    float nearest = kFar;
    for (int j = 0; j < N; ++j) {
        const float qx = static_cast<float>(x + j) + 0.5f - s.ax;
        const float t =
            std::min(std::max((qx * s.dx + qy * s.dy) * s.invLengthSquared, 0.0f), 1.0f);
        const float ex = qx - t * s.dx;
        const float ey = qy - t * s.dy;
        distance[j] = std::sqrt(ex * ex + ey * ey);
        nearest = std::min(nearest, distance[j]);
    }
    return nearest;
}

template <int N>
RASTER_INLINE void blendPixels(std::uint32_t* pixels, const float* distance, float reach,
                               const Paint& paint) {
    for (int j = 0; j < N; ++j) {
        const float coverage = std::min(std::max(reach - distance[j], 0.0f), 1.0f);
        pixels[j] = blendPaint(pixels[j], paint, coverage);
    }
}

// Pixels x .. x + N - 1 of a row, every pass that reaches any of them in
// stroke order.
template <int N>
RASTER_INLINE void paintPixels(std::uint32_t* row, int x, float qy, const Segment& s,
                               const LineShape& line, const float* reach) {
    float distance[N];
    const float nearest = measurePixels<N>(distance, x, qy, s);
    for (int k = 0; k < line.passCount; ++k) {
        if (nearest < reach[k]) blendPixels<N>(row + x, distance, reach[k], line.paint[k]);
    }
}

}  // namespace

RASTER_KERNEL void rasterLine(PixelImage& frame, RowBand band, const LineShape& line) {
    const Segment s = makeSegment(line.from, line.to);
    float reach[kMaxLinePasses];
    float outerReach = 0.0f;
    for (int k = 0; k < line.passCount; ++k) {
        reach[k] = line.halfWidth[k] + 0.5f;
        outerReach = std::max(outerReach, reach[k]);
    }
    if (!(outerReach > 0.0f)) return;
    // Rows of a short or steep stroke take the bounding box's columns; only a
    // stroke that runs far across is worth the exact extent of every row.
    const bool boxRows = std::fabs(s.dx) <= 2.0f * outerReach;
    const ColumnSpan box = columnsBetween(frame, std::min(s.ax, s.ax + s.dx) - outerReach,
                                          std::max(s.ax, s.ax + s.dx) + outerReach);
    const RowBand rows = rowsBetween(band, std::min(s.ay, s.ay + s.dy) - outerReach,
                                     std::max(s.ay, s.ay + s.dy) + outerReach);
    for (int y = rows.top; y < rows.bottom; ++y) {
        const float cy = static_cast<float>(y) + 0.5f;
        ColumnSpan span = box;
        if (!boxRows) {
            float left, right;
            if (!capsuleRowInterval(s, cy, outerReach, left, right)) continue;
            span = columnsBetween(frame, left, right);
        }
        // Zero coverage leaves a pixel as it is, so spans may be widened to
        // whole vector steps.
        span = widenToVectors(span, frame);
        std::uint32_t* row = frameRow(frame, y);
        int x = span.begin;
        for (; x + kVectorStep <= span.end; x += kVectorStep)
            paintPixels<kVectorStep>(row, x, cy - s.ay, s, line, reach);
        for (; x < span.end; ++x) paintPixels<1>(row, x, cy - s.ay, s, line, reach);
    }
}
