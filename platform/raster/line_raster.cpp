#include "platform/raster/line_raster.h"

#include <cmath>

namespace {

struct Segment {
    float ax, ay, dx, dy;
    float length;
    float invLengthSquared;  // 0 for a zero-length segment: every point measures to `from`
};

Segment makeSegment(PointF from, PointF to) {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float lengthSquared = dx * dx + dy * dy;
    return {from.x,
            from.y,
            dx,
            dy,
            std::sqrt(lengthSquared),
            lengthSquared > 0.0f ? 1.0f / lengthSquared : 0.0f};
}

// The x interval on the horizontal line y = cy within `radius` of the segment:
// the union of the two end discs and the band along the segment. Returns false
// when the line misses the capsule.
bool capsuleRowInterval(const Segment& s, float cy, float radius, float& left, float& right) {
    left = INFINITY;
    right = -INFINITY;
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
        float lo = -INFINITY, hi = INFINITY;
        auto clip = [&](float slope, float offset, float min, float max) {
            // Keeps x with min <= slope * x + offset <= max.
            if (std::fabs(slope) < 1e-6f) {
                if (offset < min || offset > max) lo = INFINITY;
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

template <int Passes>
void paintLineRow(std::uint32_t* row, int x0, int x1, float qy, const Segment& s,
                  const LineShape& line) {
    for (int x = x0; x < x1; ++x) {
        const float qx = static_cast<float>(x) + 0.5f - s.ax;
        const float t =
            std::min(std::max((qx * s.dx + qy * s.dy) * s.invLengthSquared, 0.0f), 1.0f);
        const float ex = qx - t * s.dx;
        const float ey = qy - t * s.dy;
        const float distance = std::sqrt(ex * ex + ey * ey);
        std::uint32_t pixel = row[x];
        for (int k = 0; k < Passes; ++k) {
            const float coverage =
                std::min(std::max(line.halfWidth[k] + 0.5f - distance, 0.0f), 1.0f);
            pixel = blendPaint(pixel, line.paint[k], coverage);
        }
        row[x] = pixel;
    }
}

template <int Passes>
void paintLine(PixelImage& frame, RowBand band, const LineShape& line) {
    const Segment s = makeSegment(line.from, line.to);
    float reach = 0.0f;
    for (int k = 0; k < Passes; ++k) reach = std::max(reach, line.halfWidth[k] + 0.5f);
    if (!(reach > 0.0f)) return;
    const RowBand rows =
        rowsBetween(band, std::min(s.ay, s.ay + s.dy) - reach, std::max(s.ay, s.ay + s.dy) + reach);
    for (int y = rows.top; y < rows.bottom; ++y) {
        const float cy = static_cast<float>(y) + 0.5f;
        float left, right;
        if (!capsuleRowInterval(s, cy, reach, left, right)) continue;
        const ColumnSpan span = columnsBetween(frame, left, right);
        paintLineRow<Passes>(frameRow(frame, y), span.begin, span.end, cy - s.ay, s, line);
    }
}

}  // namespace

void rasterLine(PixelImage& frame, RowBand band, const LineShape& line) {
    switch (line.passCount) {
        case 1:
            return paintLine<1>(frame, band, line);
        case 2:
            return paintLine<2>(frame, band, line);
        case 3:
            return paintLine<3>(frame, band, line);
        default:
            return;
    }
}
