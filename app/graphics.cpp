#include "app/graphics.h"

#include "assets/asset_loader.h"
#include "gfx/draw_resources.h"
#include "platform/com.h"

GraphicsFactory* d2dFactory = nullptr;
TextFactory* dwriteFactory = nullptr;
ImagingFactory* wicFactory = nullptr;

RenderTargetCreator createRenderTarget = createWindowRenderTarget;

namespace {

constexpr ColorF kOpaqueBlack = {0.0f, 0.0f, 0.0f, 1.0f};

template <typename Resource>
void releaseResource(Resource*& resource) {
    if (resource == nullptr) return;
    resource->Release();
    resource = nullptr;
}

}  // namespace

HResult createWicFactory() {
    CoInitialize(nullptr);
    return CreateImagingFactory(&wicFactory);
}

void releaseWicFactory() {
    releaseResource(wicFactory);
    CoUninitialize();
}

HResult createWindowRenderTarget(WindowHandle window, SizeU pixelSize, RenderTarget** target) {
    return d2dFactory->CreateWindowRenderTarget(window, pixelSize, target);
}

HResult createTextResources() {
    HResult hr =
        dwriteFactory->CreateTextFormat(L"メイリオ", nullptr, FONT_WEIGHT_BLACK, FontStyle::Normal,
                                        FONT_STRETCH_EXTRA_EXPANDED, 56.0f, L"", &largeTextFormat);
    if (failed(hr)) return hr;
    hr = dwriteFactory->CreateTextFormat(L"メイリオ", nullptr, FONT_WEIGHT_BOLD, FontStyle::Normal,
                                         FONT_STRETCH_NORMAL, 16.0f, L"", &smallTextFormat);
    if (failed(hr)) return hr;
    const StrokeStyleProperties glow = {CapStyle::Round,
                                        CapStyle::Round,
                                        CapStyle::Flat,
                                        LineJoin::Miter,
                                        10.0f,
                                        DashStyle::Solid,
                                        0.0f};
    return d2dFactory->CreateStrokeStyle(glow, nullptr, 0, &glowStroke);
}

void releaseTextResources() {
    releaseResource(smallTextFormat);
    releaseResource(largeTextFormat);
    releaseResource(glowStroke);
}

HResult createDeviceResources(WindowHandle window) {
    if (renderTarget != nullptr) return S_OK;
    RectI client{};
    GetClientRect(window, &client);
    const SizeU size = {static_cast<std::uint32_t>(client.right - client.left),
                        static_cast<std::uint32_t>(client.bottom - client.top)};
    HResult hr = createRenderTarget(window, size, &renderTarget);
    // From the frames decoded at start-up: a rebuild never reads the files again.
    if (succeeded(hr)) hr = createBitmapFromImage(shipImage, renderTarget, &shipBitmap);
    if (succeeded(hr)) hr = createBitmapFromImage(backgroundImage, renderTarget, &backgroundBitmap);
    if (succeeded(hr)) hr = renderTarget->CreateSolidColorBrush(kOpaqueBlack, &brush);
    // A partial set would let frames draw without a bitmap or the brush.
    if (failed(hr)) discardDeviceResources();
    return hr;
}

void discardDeviceResources() {
    releaseResource(renderTarget);
    releaseResource(brush);
    releaseResource(backgroundBitmap);
    releaseResource(shipBitmap);
}
