// The process-wide drawing resources the kit and the game draw with. The
// application shell creates and releases them (app/graphics.cpp); the trace
// tool points them at its recorder.
#pragma once

#include "platform/render.h"

// Device-independent, alive from start-up to teardown.
extern TextFormat* largeTextFormat;
extern TextFormat* smallTextFormat;
extern StrokeStyle* glowStroke;

// Device resources, null while absent; rebuilt after a device loss.
extern RenderTarget* renderTarget;
extern Brush* brush;
extern Bitmap* shipBitmap;
extern Bitmap* backgroundBitmap;
