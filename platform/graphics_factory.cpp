#include "platform/graphics_factory.h"

#include <new>

HResult GraphicsFactory::CreateStrokeStyle(const StrokeStyleProperties& properties,
                                           const float* dashes, std::uint32_t dashCount,
                                           StrokeStyle** strokeStyle) {
    if (strokeStyle == nullptr) return E_POINTER;
    if (dashCount != 0 && dashes == nullptr) return E_INVALIDARG;
    *strokeStyle = new (std::nothrow) StrokeStyle(properties);
    return *strokeStyle != nullptr ? S_OK : E_OUTOFMEMORY;
}

HResult TextFactory::CreateTextFormat(const wchar_t* family, const void*, int weight,
                                      FontStyle style, int stretch, float size,
                                      const wchar_t* locale, TextFormat** format) {
    if (format == nullptr || family == nullptr || locale == nullptr) return E_POINTER;
    if (!(size > 0.0f) || weight < 1 || weight > 999 || stretch < 1 || stretch > 9) {
        return E_INVALIDARG;
    }
    *format = new (std::nothrow) TextFormat({family, weight, style, stretch, size, locale});
    return *format != nullptr ? S_OK : E_OUTOFMEMORY;
}

HResult CreateGraphicsFactory(FactoryType, GraphicsFactory** factory) {
    if (factory == nullptr) return E_POINTER;
    *factory = new (std::nothrow) GraphicsFactory();
    return *factory != nullptr ? S_OK : E_OUTOFMEMORY;
}

HResult CreateTextFactory(TextFactoryType, TextFactory** factory) {
    if (factory == nullptr) return E_POINTER;
    *factory = new (std::nothrow) TextFactory();
    return *factory != nullptr ? S_OK : E_OUTOFMEMORY;
}
