#include "app/startup.h"

#include "app/frame_pacing.h"
#include "app/graphics.h"
#include "app/main_window.h"
#include "assets/asset_loader.h"
#include "assets/sound_bank.h"
#include "game/game_state.h"
#include "platform/com.h"

bool startUp(InstanceHandle instance, int showCommand) {
    // 1. COM for the UI thread.
    if (failed(CoInitialize(nullptr))) return false;
    // 2. and 3. The drawing and text factories.
    if (failed(CreateGraphicsFactory(FactoryType::MultiThreaded, &d2dFactory))) return false;
    if (failed(CreateTextFactory(TextFactoryType::Shared, &dwriteFactory))) return false;
    // 4. The imaging factory, with COM once more.
    if (failed(createWicFactory())) return false;
    // 5. The sound bank's COM share; its result is not checked.
    soundInit();
    // 6.
    InitializeCriticalSection(&frameLock);
    // 7. The pictures and sounds; a failure has already shown its message box.
    if (!loadAssets()) return false;
    // 8.
    resetGame();
    // 9.
    if (failed(createTextResources())) return false;
    // 10.
    mainWindow = createMainWindow(instance);
    if (mainWindow == nullptr) return false;
    // 11. The update paints the first frame, before the frame timer exists.
    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);
    // 12. The frame timer: due at once, then every 33 ms.
    timerQueue = CreateTimerQueue();
    if (timerQueue == nullptr ||
        !CreateTimerQueueTimer(&frameTimer, timerQueue, onFrameTimer, nullptr, 0, kFramePeriod,
                               WT_EXECUTEDEFAULT)) {
        return false;
    }
    // 13.
    lastTick = timeGetTime();
    return true;
}

int runMessageLoop() {
    Message message{};
    int result;
    while ((result = GetMessage(&message)) > 0) DispatchMessage(&message);
    // A broken message loop is a failure, not a normal close.
    return result < 0 ? 1 : static_cast<int>(message.wParam);
}

void tearDown(InstanceHandle instance) {
    // 1. Waits for a tick still running, so nothing invalidates the window after this.
    DeleteTimerQueueEx(timerQueue, INVALID_HANDLE_VALUE);
    timerQueue = nullptr;
    frameTimer = nullptr;
    // 2.
    DeleteCriticalSection(&frameLock);
    // 3.
    discardDeviceResources();
    // 4. The decoded pictures.
    if (backgroundImage != nullptr) backgroundImage->Release();
    if (shipImage != nullptr) shipImage->Release();
    // 5.
    releaseTextResources();
    // 6.
    UnregisterClass(kWindowClassName, instance);
    // 7. Every sound, then the bank's COM share.
    soundShutdown();
    // 8.
    releaseWicFactory();
    // 9.
    dwriteFactory->Release();
    dwriteFactory = nullptr;
    d2dFactory->Release();
    d2dFactory = nullptr;
    // 10.
    CoUninitialize();
}

int winMain(InstanceHandle instance, int showCommand) {
    // A failed start-up releases nothing: the process ends here.
    if (!startUp(instance, showCommand)) return 1;
    const int exitCode = runMessageLoop();
    tearDown(instance);
    return exitCode;
}
