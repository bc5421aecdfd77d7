#include "platform/sdl/sdl_window.h"

bool InvalidateRect(WindowHandle window, const RectI*, bool) {
    if (!isLiveWindow(window)) return false;
    // Only the first invalidation since the last paint needs to wake the loop.
    if (!window->needsPaint.exchange(true)) wakeMessageLoop();
    return true;
}

bool GetUpdateRect(WindowHandle window, RectI* rect, bool) {
    if (!isLiveWindow(window) || !window->needsPaint) return false;
    if (rect != nullptr) GetClientRect(window, rect);
    return true;
}

void BeginPaint(WindowHandle window, PaintStruct* paint) {
    if (paint != nullptr) paint->paint = {0, 0, 0, 0};
    if (!isLiveWindow(window)) return;
    window->needsPaint = false;
    if (paint != nullptr) GetClientRect(window, &paint->paint);
}

bool EndPaint(WindowHandle window, const PaintStruct*) {
    return isLiveWindow(window);
}
