// The device-independent factories: stroke styles, text formats and the
// window render target.
#pragma once

#include "platform/render.h"
#include "platform/window.h"

enum class FactoryType { SingleThreaded = 0, MultiThreaded = 1 };
enum class TextFactoryType { Shared = 0, Isolated = 1 };

class GraphicsFactory : public PlatformObject {
public:
    HResult CreateStrokeStyle(const StrokeStyleProperties& properties, const float* dashes,
                              std::uint32_t dashCount, StrokeStyle** strokeStyle);
    // A render target that draws into a frame of the given size and shows it in
    // the window at EndDraw (platform/sdl).
    HResult CreateWindowRenderTarget(WindowHandle window, SizeU pixelSize,
                                     RenderTarget** renderTarget);
};

class TextFactory : public PlatformObject {
public:
    HResult CreateTextFormat(const wchar_t* family, const void* fontCollection, int weight,
                             FontStyle style, int stretch, float size, const wchar_t* locale,
                             TextFormat** format);
};

HResult CreateGraphicsFactory(FactoryType type, GraphicsFactory** factory);
HResult CreateTextFactory(TextFactoryType type, TextFactory** factory);
