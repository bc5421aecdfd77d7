#include "gfx/draw_resources.h"

TextFormat* largeTextFormat = nullptr;
TextFormat* smallTextFormat = nullptr;
StrokeStyle* glowStroke = nullptr;

RenderTarget* renderTarget = nullptr;
Brush* brush = nullptr;
Bitmap* shipBitmap = nullptr;
Bitmap* backgroundBitmap = nullptr;
