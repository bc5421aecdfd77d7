#include "tools/bench/op_buffer.h"

OpBuffer::Op& OpBuffer::add(Op::Kind kind, const Brush* brush) {
    Op& op = ops_.emplace_back();
    op.kind = kind;
    if (brush != nullptr) op.color = brush->GetColor();
    return op;
}

void OpBuffer::Clear(const ColorF& color) {
    add(Op::kClear, nullptr).color = color;
}

void OpBuffer::DrawLine(PointF from, PointF to, Brush* brush, float strokeWidth,
                        StrokeStyle* strokeStyle) {
    Op& op = add(Op::kLine, brush);
    op.geometry[0] = from.x;
    op.geometry[1] = from.y;
    op.geometry[2] = to.x;
    op.geometry[3] = to.y;
    op.width = strokeWidth;
    op.stroke = strokeStyle;
}

void OpBuffer::DrawEllipse(const EllipseF& e, Brush* brush, float strokeWidth,
                           StrokeStyle* strokeStyle) {
    Op& op = add(Op::kEllipse, brush);
    op.geometry[0] = e.point.x;
    op.geometry[1] = e.point.y;
    op.geometry[2] = e.radiusX;
    op.geometry[3] = e.radiusY;
    op.width = strokeWidth;
    op.stroke = strokeStyle;
}

void OpBuffer::DrawRectangle(const RectF& r, Brush* brush, float strokeWidth,
                             StrokeStyle* strokeStyle) {
    Op& op = add(Op::kRectangle, brush);
    op.geometry[0] = r.left;
    op.geometry[1] = r.top;
    op.geometry[2] = r.right;
    op.geometry[3] = r.bottom;
    op.width = strokeWidth;
    op.stroke = strokeStyle;
}

void OpBuffer::DrawRoundedRectangle(const RoundedRectF& r, Brush* brush, float strokeWidth,
                                    StrokeStyle* strokeStyle) {
    DrawRectangle(r.rect, brush, strokeWidth, strokeStyle);
    Op& op = ops_.back();
    op.kind = Op::kRoundedRectangle;
    op.geometry[4] = r.radiusX;
    op.geometry[5] = r.radiusY;
}

void OpBuffer::FillEllipse(const EllipseF& e, Brush* brush) {
    DrawEllipse(e, brush, 0.0f, nullptr);
    ops_.back().kind = Op::kFill;
}

void OpBuffer::DrawBitmap(Bitmap* bitmap, const RectF& d, float opacity,
                          BitmapInterpolation interpolation, const RectF& source) {
    Op& op = add(Op::kBitmap, nullptr);
    op.geometry[0] = d.left;
    op.geometry[1] = d.top;
    op.geometry[2] = d.right;
    op.geometry[3] = d.bottom;
    op.source = source;
    op.width = opacity;
    op.bitmap = bitmap;
    op.interpolation = interpolation;
}

void OpBuffer::DrawText(const wchar_t* text, std::uint32_t length, TextFormat* format,
                        const RectF& layout, Brush* brush) {
    Op& op = add(Op::kText, brush);
    op.geometry[0] = layout.left;
    op.geometry[1] = layout.top;
    op.geometry[2] = layout.right;
    op.geometry[3] = layout.bottom;
    op.text = text;
    op.length = length;
    op.format = format;
    if (format != nullptr) op.alignment = format->GetTextAlignment();
}

void OpBuffer::replay(RenderTarget& target) const {
    Brush brush({0, 0, 0, 1});
    for (const Op& op : ops_) {
        const float* g = op.geometry;
        const RectF rect{g[0], g[1], g[2], g[3]};
        const EllipseF ellipse{{g[0], g[1]}, g[2], g[3]};
        brush.SetColor(op.color);
        switch (op.kind) {
            case Op::kClear:
                target.Clear(op.color);
                break;
            case Op::kLine:
                target.DrawLine({g[0], g[1]}, {g[2], g[3]}, &brush, op.width, op.stroke);
                break;
            case Op::kEllipse:
                target.DrawEllipse(ellipse, &brush, op.width, op.stroke);
                break;
            case Op::kRectangle:
                target.DrawRectangle(rect, &brush, op.width, op.stroke);
                break;
            case Op::kRoundedRectangle:
                target.DrawRoundedRectangle({rect, g[4], g[5]}, &brush, op.width, op.stroke);
                break;
            case Op::kFill:
                target.FillEllipse(ellipse, &brush);
                break;
            case Op::kBitmap:
                target.DrawBitmap(op.bitmap, rect, op.width, op.interpolation, op.source);
                break;
            case Op::kText:
                if (op.format != nullptr) op.format->SetTextAlignment(op.alignment);
                target.DrawText(op.text, op.length, op.format, rect, &brush);
                break;
        }
    }
}
