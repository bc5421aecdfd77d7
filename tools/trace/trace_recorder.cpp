#include "tools/trace/trace_recorder.h"

#include <cstring>

#include "gfx/draw_resources.h"
#include "platform/utf8.h"
#include "tools/trace/format_number.h"

TraceRecorder* traceSoundRecorder = nullptr;

namespace {

char* put(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

bool sameBits(const void* a, const void* b, std::size_t size) {
    return std::memcmp(a, b, size) == 0;
}

std::string_view bitmapName(const Bitmap* bitmap) {
    if (bitmap == shipBitmap) return "ship";
    if (bitmap == backgroundBitmap) return "back";
    return "unknown";
}

std::string_view alignmentName(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::Leading:
            return "leading";
        case TextAlignment::Center:
            return "center";
        case TextAlignment::Trailing:
            return "trailing";
        case TextAlignment::Justified:
            return "justified";
    }
    return "unknown";
}

// Line feeds, backslashes and quotes are escaped so the text stays on its line.
void appendQuoted(std::string& out, const wchar_t* text, std::uint32_t length) {
    out += '"';
    for (std::uint32_t i = 0; i < length; ++i) {
        const auto c = static_cast<char32_t>(text[i]);
        if (c == U'\n') {
            out += "\\n";
        } else if (c == U'\\' || c == U'"') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            appendUtf8(out, c);
        }
    }
    out += '"';
}

}  // namespace

std::uint64_t hashBytes(std::uint64_t hash, const char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        hash ^= static_cast<unsigned char>(bytes[i]);
        hash *= kFnvPrime;
    }
    return hash;
}

void TraceRecorder::beginFrame(bool keepLines) {
    opCount_ = 0;
    hash_ = kFnvOffsetBasis;
    keepLines_ = keepLines;
    kept_.clear();
}

void TraceRecorder::addLine(const char* bytes, std::size_t size) {
    hash_ = hashBytes(hash_, bytes, size);
    ++opCount_;
    if (keepLines_) kept_.append(bytes, size);
}

void TraceRecorder::finishLine(char* begin, char* end) {
    *end++ = '\n';
    addLine(begin, static_cast<std::size_t>(end - begin));
}

char* TraceRecorder::putNumber(char* out, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    CachedNumber& slot = numberCache_[(bits * 0x9E3779B1u) >> 24];
    if (slot.length == 0 || slot.bits != bits) {
        slot.bits = bits;
        slot.length = static_cast<std::uint32_t>(formatNumber(value, slot.text) - slot.text);
    }
    *out++ = ' ';
    // A number is at most 15 characters, and the caller leaves room for more.
    std::memcpy(out, slot.text, 16);
    return out + slot.length;
}

char* TraceRecorder::putRect(char* out, const RectF& r) {
    out = putNumber(out, r.left);
    out = putNumber(out, r.top);
    out = putNumber(out, r.right);
    return putNumber(out, r.bottom);
}

char* TraceRecorder::putColor(char* out, const ColorF& color) {
    std::uint32_t bits[4];
    std::memcpy(bits, &color, sizeof bits);
    const std::uint32_t mixed = (bits[0] * 3 + bits[1] * 5 + bits[2] * 7 + bits[3]) * 0x9E3779B1u;
    CachedColor& slot = colorCache_[mixed >> 26];
    if (slot.length < 0 || !sameBits(&slot.color, &color, sizeof color)) {
        char* end = putNumber(slot.text, color.r);
        end = putNumber(end, color.g);
        end = putNumber(end, color.b);
        end = putNumber(end, color.a);
        slot.color = color;
        slot.length = static_cast<int>(end - slot.text);
    }
    return put(out, {slot.text, static_cast<std::size_t>(slot.length)});
}

char* TraceRecorder::putLineEnds(char* out, PointF from, PointF to) {
    const PointF ends[2] = {from, to};
    if (lastEndsLength_ < 0 || !sameBits(lastEnds_, ends, sizeof ends)) {
        char* end = putNumber(lastEndsText_, from.x);
        end = putNumber(end, from.y);
        end = putNumber(end, to.x);
        end = putNumber(end, to.y);
        std::memcpy(lastEnds_, ends, sizeof ends);
        lastEndsLength_ = static_cast<int>(end - lastEndsText_);
    }
    return put(out, {lastEndsText_, static_cast<std::size_t>(lastEndsLength_)});
}

void TraceRecorder::Clear(const ColorF& color) {
    char* out = put(line_, "clear");
    finishLine(line_, putColor(out, color));
}

void TraceRecorder::DrawLine(PointF from, PointF to, Brush* brush, float strokeWidth,
                             StrokeStyle*) {
    char* out = put(line_, "line");
    out = putLineEnds(out, from, to);
    out = putNumber(out, strokeWidth);
    finishLine(line_, putColor(out, brush->GetColor()));
}

void TraceRecorder::FillEllipse(const EllipseF& ellipse, Brush* brush) {
    char* out = put(line_, "fill");
    out = putNumber(out, ellipse.point.x);
    out = putNumber(out, ellipse.point.y);
    out = putNumber(out, ellipse.radiusX);
    out = putNumber(out, ellipse.radiusY);
    finishLine(line_, putColor(out, brush->GetColor()));
}

void TraceRecorder::DrawBitmap(Bitmap* bitmap, const RectF& destination, float opacity,
                               BitmapInterpolation, const RectF& source) {
    char* out = put(line_, "bitmap ");
    out = put(out, bitmapName(bitmap));
    out = putRect(out, destination);
    out = putRect(out, source);
    finishLine(line_, putNumber(out, opacity));
}

void TraceRecorder::DrawText(const wchar_t* text, std::uint32_t length, TextFormat* format,
                             const RectF& layout, Brush* brush) {
    char* out = put(line_, "text ");
    out = put(out, alignmentName(format->GetTextAlignment()));
    out = putRect(out, layout);
    out = putColor(out, brush->GetColor());
    *out++ = ' ';
    textLine_.assign(line_, out);
    appendQuoted(textLine_, text, length);
    textLine_ += '\n';
    addLine(textLine_.data(), textLine_.size());
}

void TraceRecorder::recordSound(std::wstring_view alias) {
    textLine_ = "sound ";
    for (const wchar_t c : alias) appendUtf8(textLine_, static_cast<char32_t>(c));
    textLine_ += '\n';
    addLine(textLine_.data(), textLine_.size());
}
