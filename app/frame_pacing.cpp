#include "app/frame_pacing.h"

#include "app/graphics.h"
#include "app/main_window.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/explosions.h"

TimerQueueHandle timerQueue = nullptr;
TimerHandle frameTimer = nullptr;
std::atomic<std::uint32_t> lastTick{0};
CriticalSection frameLock;

bool takeFrameTick(std::uint32_t now) {
    // Unsigned subtraction: a wrap of the millisecond count still gives the small true gap.
    const std::uint32_t elapsed = now - lastTick.exchange(now);
    return elapsed >= kMinTickGap && paused == 0;
}

void onFrameTimer(void*, bool) {
    if (takeFrameTick(timeGetTime())) InvalidateRect(mainWindow, nullptr, false);
}

void composeFrame(RenderTarget* target) {
    runFrame(target);
    drawExplosions(target, brush);
}

void renderFrame(WindowHandle window) {
    PaintStruct paint;
    BeginPaint(window, &paint);
    EnterCriticalSection(&frameLock);
    // Without a full set of device resources the paint draws nothing and runs no frame.
    if (succeeded(createDeviceResources(window))) {
        renderTarget->BeginDraw();
        renderTarget->Clear({0.0f, 0.0f, 0.0f, 1.0f});
        composeFrame(renderTarget);
        // This frame's picture is lost; the repaint asked for here rebuilds the resources.
        if (renderTarget->EndDraw() == D2DERR_RECREATE_TARGET) {
            discardDeviceResources();
            InvalidateRect(window, nullptr, false);
        }
    }
    LeaveCriticalSection(&frameLock);
    EndPaint(window, &paint);
}
