// A frame busier than any of the game's, to tune the renderer against: the two
// background layers, 8000 glow dots, 600 glow segments and some 300 sprites,
// placed by a fixed pseudo-random sequence. Draws through the shared drawing
// resources, like the game.
#pragma once

#include "platform/render.h"

void drawSyntheticFrame(RenderTarget* target);
