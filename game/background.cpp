#include "game/game.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/glow.h"

namespace {

// Each layer strip is 1536 rows of the background picture that repeat every 768 rows.
constexpr RectF kFarStrip = {0.0f, 0.0f, 600.0f, 1536.0f};
constexpr RectF kNearStrip = {0.0f, 1536.0f, 600.0f, 3072.0f};
constexpr float kWrapRows = 768.0f;

void drawLayer(RenderTarget* target, float offset, const RectF& strip) {
    target->DrawBitmap(backgroundBitmap,
                       makeRect(0.0f, -768.0f + offset, 600.0f, (1536.0f - 768.0f) + offset), 1.0f,
                       BitmapInterpolation::Linear, strip);
}

}  // namespace

void updateBackground(RenderTarget* target) {
    // The advance is formed in double from the float clock, so the layers speed up over the stage.
    scrollFar = scrollFar + static_cast<float>(static_cast<double>(stageClock) * 0.002);
    scrollNear = scrollNear + static_cast<float>(static_cast<double>(stageClock) * 0.004);

    drawLayer(target, scrollFar, kFarStrip);
    drawLayer(target, scrollNear, kNearStrip);

    // Wrapping after drawing drops whatever lies beyond 768.
    if (scrollFar >= kWrapRows) scrollFar = 0.0f;
    if (scrollNear >= kWrapRows) scrollNear = 0.0f;
}
