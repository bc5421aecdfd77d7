#include "app/input.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/glow.h"

namespace {

constexpr RectF kShipSprite = {0.0f, 0.0f, 50.0f, 100.0f};
constexpr RectF kPodSprite = {110.0f, 30.0f, 160.0f, 100.0f};

// The ship's centre stays in the lower part of the window.
constexpr float kMinX = 24.0f;
constexpr float kMaxX = 576.0f;
constexpr float kMinY = 400.0f;
constexpr float kMaxY = 696.0f;
constexpr float kStep = 8.0f;

void drawSprite(RenderTarget* target, const RectF& destination, const RectF& source) {
    target->DrawBitmap(shipBitmap, destination, 1.0f, BitmapInterpolation::Linear, source);
}

}  // namespace

void movePlayer() {
    if (keyDown[VK_LEFT]) playerX -= kStep;
    if (keyDown[VK_RIGHT]) playerX += kStep;
    if (keyDown[VK_UP]) playerY -= kStep;
    if (keyDown[VK_DOWN]) playerY += kStep;

    if (playerX < kMinX) playerX = kMinX;
    if (playerX > kMaxX) playerX = kMaxX;
    if (playerY < kMinY) playerY = kMinY;
    if (playerY > kMaxY) playerY = kMaxY;
}

void drawPlayer(RenderTarget* target) {
    // The pods follow the ship at once, unclamped, so they may hang outside the window.
    optionPos[0] = makePoint(playerX - 50.0f, playerY + 50.0f);
    optionPos[1] = makePoint(playerX + 50.0f, playerY + 50.0f);
    optionPos[2] = makePoint(playerX - 100.0f, playerY + 100.0f);
    optionPos[3] = makePoint(playerX + 100.0f, playerY + 100.0f);

    for (const PointF& pod : optionPos) {
        drawSprite(target, makeRect(pod.x - 25.0f, pod.y - 35.0f, pod.x + 25.0f, pod.y + 35.0f),
                   kPodSprite);
    }
    // The ship goes last so it covers its pods and its own shots.
    drawSprite(target,
               makeRect(playerX - 50.0f / 2.0f, playerY - 100.0f / 2.0f, playerX + 50.0f / 2.0f,
                        playerY + 100.0f / 2.0f),
               kShipSprite);
}
