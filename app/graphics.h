// The graphics resources: the factories, the device-independent text formats
// and glow stroke, and the device resources that a device loss takes away.
// The shared pointers themselves live in gfx/draw_resources.h.
#pragma once

#include "platform/graphics_factory.h"
#include "platform/imaging.h"
#include "platform/render.h"
#include "platform/window.h"

extern GraphicsFactory* d2dFactory;
extern TextFactory* dwriteFactory;
extern ImagingFactory* wicFactory;

// The imaging factory with its own share of COM; the result is the factory's.
HResult createWicFactory();
void releaseWicFactory();

// How createDeviceResources makes the window render target; tests put their
// own targets (or failures) here.
using RenderTargetCreator = HResult (*)(WindowHandle window, SizeU pixelSize,
                                        RenderTarget** target);
extern RenderTargetCreator createRenderTarget;
HResult createWindowRenderTarget(WindowHandle window, SizeU pixelSize, RenderTarget** target);

// 0, or the failure code of the first step that failed.
HResult createTextResources();
void releaseTextResources();

// 0 when all device resources exist afterwards. A failure leaves none of them.
HResult createDeviceResources(WindowHandle window);
// Releases whatever device resources exist and nulls their pointers.
void discardDeviceResources();
