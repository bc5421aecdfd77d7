#include "app/main_window.h"

#include "app/frame_pacing.h"
#include "app/input.h"
#include "assets/sound_bank.h"
#include "game/edition.h"

WindowHandle mainWindow = nullptr;
std::atomic<std::int32_t> paused{0};

int centredOrigin(int low, int high, int length) {
    return (low + high) / 2 - length / 2;
}

WindowHandle createMainWindow(InstanceHandle instance) {
    WindowClass windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.windowProc = windowProc;
    windowClass.instance = instance;
    windowClass.icon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.cursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.background = GetStockObject(BLACK_BRUSH);
    windowClass.className = kWindowClassName;
    if (RegisterClass(windowClass) == 0) return nullptr;

    // The outer size that leaves a 600 x 720 client area inside this window's frame.
    const int width = kClientWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    const int height =
        kClientHeight + 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);

    // Centred on the work area itself, wherever the taskbar has pushed its edges.
    RectI workArea{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0);
    const int x = centredOrigin(workArea.left, workArea.right, width);
    const int y = centredOrigin(workArea.top, workArea.bottom, height);

    return CreateWindow(0, kWindowClassName, kWindowTitle, WS_SYSMENU | WS_MINIMIZEBOX, x, y, width,
                        height, nullptr, nullptr, instance, nullptr);
}

LResult windowProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_ACTIVATE:
            // WA_ACTIVE and WA_CLICKACTIVE both resume; the message goes no further.
            paused = (wParam & 0xFFFF) == WA_INACTIVE ? 1 : 0;
            return 0;
        case WM_PAINT:
            renderFrame(window);
            return 0;
        case WM_KEYDOWN:
            onKeyDown(wParam);
            return 0;
        case WM_KEYUP:
            onKeyUp(wParam);
            return 0;
        case WM_GRAPH_EVENT:
            onGraphEvent(lParam);
            return 0;
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}
