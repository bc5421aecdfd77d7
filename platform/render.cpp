#include "platform/render.h"

#include <new>

#include "platform/imaging.h"

HResult RenderTarget::CreateSolidColorBrush(const ColorF& color, Brush** brush) {
    if (brush == nullptr) return E_POINTER;
    *brush = new (std::nothrow) Brush(color);
    return *brush != nullptr ? S_OK : E_OUTOFMEMORY;
}

HResult RenderTarget::CreateBitmapFromWicBitmap(FormatConverter* converter, Bitmap** bitmap) {
    if (converter == nullptr || bitmap == nullptr) return E_POINTER;
    const PixelImage* image = converter->pixels();
    if (image == nullptr) return E_FAIL;
    *bitmap = new (std::nothrow) Bitmap(*image);
    return *bitmap != nullptr ? S_OK : E_OUTOFMEMORY;
}
