// The drawing interface the game and the drawing kit see: a render target with
// a handful of operations, a solid-colour brush, a stroke style, bitmaps and
// text formats. Backends (the software rasteriser, the trace recorder) derive
// from RenderTarget; everything else here is plain data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using HResult = std::int32_t;

inline constexpr HResult S_OK = 0;
inline constexpr HResult E_FAIL = static_cast<HResult>(0x80004005u);
inline constexpr HResult E_INVALIDARG = static_cast<HResult>(0x80070057u);
inline constexpr HResult E_OUTOFMEMORY = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult E_POINTER = static_cast<HResult>(0x80004003u);
// EndDraw's answer when the device is gone and every device resource must be rebuilt.
inline constexpr HResult D2DERR_RECREATE_TARGET = static_cast<HResult>(0x8899000Cu);

inline bool succeeded(HResult hr) { return hr >= 0; }
inline bool failed(HResult hr) { return hr < 0; }

struct ColorF {
    float r, g, b, a;
};
struct PointF {
    float x, y;
};
struct RectF {
    float left, top, right, bottom;
};
struct EllipseF {
    PointF point;
    float radiusX, radiusY;
};
struct RoundedRectF {
    RectF rect;
    float radiusX, radiusY;
};
struct SizeU {
    std::uint32_t width, height;
};

// Every platform object has exactly one owner, who calls Release() once.
class PlatformObject {
public:
    PlatformObject() = default;
    PlatformObject(const PlatformObject&) = delete;
    PlatformObject& operator=(const PlatformObject&) = delete;
    virtual ~PlatformObject() = default;
    void Release() { delete this; }
};

enum class CapStyle { Flat = 0, Square = 1, Round = 2, Triangle = 3 };
enum class LineJoin { Miter = 0, Bevel = 1, Round = 2, MiterOrBevel = 3 };
enum class DashStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Custom = 5 };

struct StrokeStyleProperties {
    CapStyle startCap;
    CapStyle endCap;
    CapStyle dashCap;
    LineJoin lineJoin;
    float miterLimit;
    DashStyle dashStyle;
    float dashOffset;
};

class StrokeStyle : public PlatformObject {
public:
    explicit StrokeStyle(const StrokeStyleProperties& properties) : properties_(properties) {}
    const StrokeStyleProperties& properties() const { return properties_; }

private:
    StrokeStyleProperties properties_;
};

// The colour is kept exactly as set, unclamped: the glow halo relies on values above 1.
class Brush : public PlatformObject {
public:
    explicit Brush(const ColorF& color) : color_(color) {}
    void SetColor(const ColorF& color) { color_ = color; }
    const ColorF& GetColor() const { return color_; }

private:
    ColorF color_;
};

enum class TextAlignment { Leading = 0, Trailing = 1, Center = 2, Justified = 3 };
enum class FontStyle { Normal = 0, Oblique = 1, Italic = 2 };

inline constexpr int FONT_WEIGHT_BOLD = 700;
inline constexpr int FONT_WEIGHT_BLACK = 900;
inline constexpr int FONT_STRETCH_NORMAL = 5;
inline constexpr int FONT_STRETCH_EXTRA_EXPANDED = 8;

struct TextFormatProperties {
    std::wstring family;
    int weight;
    FontStyle style;
    int stretch;
    float size;  // device-independent pixels, one per pixel here
    std::wstring locale;
};

class TextFormat : public PlatformObject {
public:
    explicit TextFormat(TextFormatProperties properties) : properties_(std::move(properties)) {}
    HResult SetTextAlignment(TextAlignment alignment) {
        alignment_ = alignment;
        return S_OK;
    }
    TextAlignment GetTextAlignment() const { return alignment_; }
    const TextFormatProperties& properties() const { return properties_; }

private:
    TextFormatProperties properties_;
    TextAlignment alignment_ = TextAlignment::Leading;
};

// 32-bit premultiplied BGRA pixels, row by row, no padding.
struct PixelImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB per pixel, colour premultiplied by alpha
};

class Bitmap : public PlatformObject {
public:
    explicit Bitmap(PixelImage image) : image_(std::move(image)) {}
    const PixelImage& image() const { return image_; }
    SizeU GetPixelSize() const { return {image_.width, image_.height}; }

private:
    PixelImage image_;
};

enum class BitmapInterpolation { NearestNeighbor = 0, Linear = 1 };

class FormatConverter;  // platform/imaging.h

class RenderTarget : public PlatformObject {
public:
    virtual void BeginDraw() = 0;
    virtual void Clear(const ColorF& color) = 0;
    virtual void DrawLine(PointF from, PointF to, Brush* brush, float strokeWidth,
                          StrokeStyle* strokeStyle) = 0;
    virtual void DrawEllipse(const EllipseF& ellipse, Brush* brush, float strokeWidth,
                             StrokeStyle* strokeStyle) = 0;
    virtual void DrawRectangle(const RectF& rect, Brush* brush, float strokeWidth,
                               StrokeStyle* strokeStyle) = 0;
    virtual void DrawRoundedRectangle(const RoundedRectF& rect, Brush* brush, float strokeWidth,
                                      StrokeStyle* strokeStyle) = 0;
    virtual void FillEllipse(const EllipseF& ellipse, Brush* brush) = 0;
    virtual void DrawBitmap(Bitmap* bitmap, const RectF& destination, float opacity,
                            BitmapInterpolation interpolation, const RectF& source) = 0;
    // text is UTF-32 (wchar_t) of the given length, laid out in the rectangle.
    virtual void DrawText(const wchar_t* text, std::uint32_t length, TextFormat* format,
                          const RectF& layout, Brush* brush) = 0;
    virtual HResult EndDraw() = 0;

    virtual SizeU GetPixelSize() const = 0;

    HResult CreateSolidColorBrush(const ColorF& color, Brush** brush);
    // Copies the converter's premultiplied pixels into a new bitmap.
    HResult CreateBitmapFromWicBitmap(FormatConverter* converter, Bitmap** bitmap);
};
