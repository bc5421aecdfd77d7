#include "platform/raster/software_target.h"

#include <algorithm>
#include <cmath>

#include "platform/raster/band_workers.h"
#include "platform/raster/text_layout.h"

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// The pixel loops assume finite arithmetic. Draws with a number that is not
// finite, or that lies more than a million pixels out, are dropped; lines are
// cut to that distance instead, so a line from far away keeps its visible part.
constexpr float kReach = 1e6f;

bool usable(float v) {
    return std::isfinite(v) && std::fabs(v) <= kReach;
}

template <typename... Values>
bool usable(float first, Values... rest) {
    return usable(first) && (usable(rest) && ...);
}

bool usable(const ColorF& c) {
    return usable(c.r, c.g, c.b, c.a);
}
bool usable(const RectF& r) {
    return usable(r.left, r.top, r.right, r.bottom);
}
bool usable(const EllipseF& e) {
    return usable(e.point.x, e.point.y, e.radiusX, e.radiusY);
}

// Cuts the segment to the square within half the reach of the origin
// (Liang-Barsky); false when it lies outside or has no finite ends.
bool cutToReach(PointF& from, PointF& to) {
    if (usable(from.x, from.y, to.x, to.y)) return true;
    if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(to.x) ||
        !std::isfinite(to.y))
        return false;
    const double x = from.x, y = from.y, dx = double{to.x} - x, dy = double{to.y} - y;
    const double edge = kReach / 2;
    double enter = 0.0, leave = 1.0;
    const double slopes[] = {-dx, dx, -dy, dy};
    const double room[] = {x + edge, edge - x, y + edge, edge - y};
    for (int i = 0; i < 4; ++i) {
        if (slopes[i] == 0.0) {
            if (room[i] < 0.0) return false;
        } else if (slopes[i] < 0.0) {
            enter = std::max(enter, room[i] / slopes[i]);
        } else {
            leave = std::min(leave, room[i] / slopes[i]);
        }
    }
    if (enter > leave) return false;
    from = {static_cast<float>(x + enter * dx), static_cast<float>(y + enter * dy)};
    to = {static_cast<float>(x + leave * dx), static_cast<float>(y + leave * dy)};
    return true;
}

// Bands a few times smaller than a thread's share, so that threads that finish
// early take over the rest.
constexpr int kBandsPerThread = 4;

}  // namespace

SoftwareRenderTarget::SoftwareRenderTarget(SizeU size) : texts_(std::make_unique<TextCache>()) {
    frame_.width = size.width;
    frame_.height = size.height;
    frame_.pixels.assign(static_cast<std::size_t>(size.width) * size.height, 0xFF000000u);
}

SoftwareRenderTarget::~SoftwareRenderTarget() = default;

void SoftwareRenderTarget::setThreadCount(int threads) {
    if (threads <= 1)
        workers_.reset();
    else if (!workers_ || workers_->threads() != threads)
        workers_ = std::make_unique<BandWorkers>(threads);
}

void SoftwareRenderTarget::BeginDraw() {
    commands_.clear();
    texts_->trim();
}

void SoftwareRenderTarget::Clear(const ColorF& c) {
    auto channel = [](float v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    };
    const float a = std::clamp(c.a, 0.0f, 1.0f);
    const std::uint32_t pixel =
        channel(a) << 24 | channel(c.r * a) << 16 | channel(c.g * a) << 8 | channel(c.b * a);
    // Everything drawn so far is covered.
    commands_.clear();
    commands_.push_back(ClearShape{pixel});
}

void SoftwareRenderTarget::DrawLine(PointF from, PointF to, Brush* brush, float strokeWidth,
                                    StrokeStyle*) {
    if (brush == nullptr || !usable(brush->GetColor()) || !usable(strokeWidth) ||
        !(strokeWidth > 0.0f) || !cutToReach(from, to))
        return;
    const Paint paint = makePaint(brush->GetColor());
    const float halfWidth = strokeWidth * 0.5f;
    // A further stroke of the segment just drawn joins it as another pass.
    if (!commands_.empty()) {
        if (auto* last = std::get_if<LineShape>(&commands_.back());
            last != nullptr && last->passCount < kMaxLinePasses && last->from.x == from.x &&
            last->from.y == from.y && last->to.x == to.x && last->to.y == to.y) {
            last->halfWidth[last->passCount] = halfWidth;
            last->paint[last->passCount] = paint;
            ++last->passCount;
            return;
        }
    }
    LineShape line{from, to, 1, {halfWidth}, {paint}};
    commands_.push_back(line);
}

void SoftwareRenderTarget::DrawEllipse(const EllipseF& ellipse, Brush* brush, float strokeWidth,
                                       StrokeStyle*) {
    if (brush == nullptr || !usable(brush->GetColor()) || !usable(ellipse) ||
        !usable(strokeWidth) || !(strokeWidth > 0.0f))
        return;
    commands_.push_back(
        EllipseShape{ellipse, true, strokeWidth * 0.5f, makePaint(brush->GetColor())});
}

void SoftwareRenderTarget::FillEllipse(const EllipseF& ellipse, Brush* brush) {
    if (brush == nullptr || !usable(brush->GetColor()) || !usable(ellipse)) return;
    commands_.push_back(EllipseShape{ellipse, false, 0.0f, makePaint(brush->GetColor())});
}

void SoftwareRenderTarget::DrawRectangle(const RectF& rect, Brush* brush, float strokeWidth,
                                         StrokeStyle*) {
    if (brush == nullptr || !usable(brush->GetColor()) || !usable(rect) || !usable(strokeWidth))
        return;
    commands_.push_back(RectShape{rect, 0.0f, strokeWidth * 0.5f, makePaint(brush->GetColor())});
}

void SoftwareRenderTarget::DrawRoundedRectangle(const RoundedRectF& rect, Brush* brush,
                                                float strokeWidth, StrokeStyle*) {
    if (brush == nullptr || !usable(brush->GetColor()) || !usable(rect.rect) ||
        !usable(rect.radiusX, rect.radiusY, strokeWidth))
        return;
    // Corners are drawn as circles of the smaller radius.
    const float radius = std::min(rect.radiusX, rect.radiusY);
    commands_.push_back(RectShape{rect.rect, std::max(radius, 0.0f), strokeWidth * 0.5f,
                                  makePaint(brush->GetColor())});
}

void SoftwareRenderTarget::DrawBitmap(Bitmap* bitmap, const RectF& destination, float opacity,
                                      BitmapInterpolation interpolation, const RectF& source) {
    if (bitmap == nullptr || bitmap->image().pixels.empty() || !usable(destination) ||
        !usable(source) || !usable(opacity))
        return;
    commands_.push_back(BitmapShape{&bitmap->image(), destination, source, opacity,
                                    interpolation == BitmapInterpolation::NearestNeighbor});
}

void SoftwareRenderTarget::DrawText(const wchar_t* text, std::uint32_t length, TextFormat* format,
                                    const RectF& layout, Brush* brush) {
    if (text == nullptr || length == 0 || format == nullptr || brush == nullptr ||
        !usable(brush->GetColor()) || !usable(layout))
        return;
    const TextMask& mask = texts_->find(std::wstring_view(text, length), *format, layout);
    if (mask.coverage.empty()) return;
    commands_.push_back(MaskShape{&mask, makePaint(brush->GetColor())});
}

HResult SoftwareRenderTarget::EndDraw() {
    render();
    commands_.clear();
    return present();
}

void SoftwareRenderTarget::render() {
    const int height = static_cast<int>(frame_.height);
    if (!workers_) return renderBand({0, height});
    const int bands = workers_->threads() * kBandsPerThread;
    workers_->run(
        height, (height + bands - 1) / bands,
        [](void* self, RowBand band) {
            static_cast<SoftwareRenderTarget*>(self)->renderBand(band);
        },
        this);
}

void SoftwareRenderTarget::renderBand(RowBand band) {
    const auto draw = Overloaded{
        [&](const ClearShape& c) {
            std::fill(frameRow(frame_, band.top), frameRow(frame_, band.bottom), c.pixel);
        },
        [&](const LineShape& s) { rasterLine(frame_, band, s); },
        [&](const EllipseShape& s) { rasterEllipse(frame_, band, s); },
        [&](const RectShape& s) { rasterRect(frame_, band, s); },
        [&](const BitmapShape& s) { rasterBitmap(frame_, band, s); },
        [&](const MaskShape& s) { rasterMask(frame_, band, s); },
    };
    for (const Command& command : commands_) std::visit(draw, command);
}
