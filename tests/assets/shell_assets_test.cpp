// The asset loader inside the application shell, under a stand-in game: a
// start-up that stops at a bad picture, and bitmaps rebuilt after a device
// loss from the frames decoded at start-up, with the files long gone. Runs on
// SDL's dummy video and audio drivers.
#include <gtest/gtest.h>

#include "app/frame_pacing.h"
#include "app/graphics.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "assets/asset_loader.h"
#include "assets/sound_bank.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "tests/imaging/scratch_dir.h"
#include "tests/support/op_recorder.h"

void resetGame() {}
void runFrame(RenderTarget*) {}

namespace {

const std::filesystem::path kData = SKYRAIL_DATA_DIR;

TEST(ShellAssets, StartUpWithoutPicturesStopsBeforeTheWindowAndLoadsNoSound) {
    ScratchDir empty;
    CurrentDirectory here(empty.path());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(startUp(GetModuleHandle(nullptr), SW_HIDE));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("画像ファイルが開けません"),
              std::string::npos);
    EXPECT_TRUE(soundBank.empty());
    // The window class is registered just before the window is made.
    EXPECT_EQ(GetClassInfo(GetModuleHandle(nullptr), kWindowClassName), nullptr);
}

// A target whose EndDraw reports a lost device when asked to.
bool loseDevice = false;
int targetsMade = 0;

class LosingTarget : public OpRecorder {
  public:
    HResult EndDraw() override { return loseDevice ? D2DERR_RECREATE_TARGET : S_OK; }
};

HResult makeLosingTarget(WindowHandle, SizeU, RenderTarget** target) {
    *target = new LosingTarget();
    ++targetsMade;
    return S_OK;
}

TEST(ShellAssets, DeviceLossRebuildsBothBitmapsFromTheDecodedFramesWithoutTheFiles) {
    const InstanceHandle instance = GetModuleHandle(nullptr);
    ScratchDir dir;
    dir.copy(kData / "images/back01.png", "images/back01.png");
    dir.copy(kData / "images/jiki1.png", "images/jiki1.png");
    {
        CurrentDirectory here(dir.path());
        ASSERT_EQ(createWicFactory(), S_OK);
        loadImage(L"images\\back01.png", &backgroundImage);
        loadImage(L"images\\jiki1.png", &shipImage);
    }
    std::filesystem::remove_all(dir / "images");
    InitializeCriticalSection(&frameLock);
    createRenderTarget = makeLosingTarget;
    const WindowHandle window = createMainWindow(instance);
    ASSERT_NE(window, nullptr);

    windowProc(window, WM_PAINT, 0, 0);
    ASSERT_NE(shipBitmap, nullptr);
    ASSERT_NE(backgroundBitmap, nullptr);
    const PixelImage ship = shipBitmap->image();
    const PixelImage background = backgroundBitmap->image();
    loseDevice = true;
    windowProc(window, WM_PAINT, 0, 0);
    EXPECT_EQ(shipBitmap, nullptr);
    loseDevice = false;
    windowProc(window, WM_PAINT, 0, 0);

    EXPECT_EQ(targetsMade, 2);
    ASSERT_NE(shipBitmap, nullptr);
    ASSERT_NE(backgroundBitmap, nullptr);
    EXPECT_EQ(shipBitmap->image().pixels, ship.pixels);
    EXPECT_EQ(backgroundBitmap->image().pixels, background.pixels);
    EXPECT_EQ(backgroundBitmap->GetPixelSize().width, background.width);

    discardDeviceResources();
    DestroyWindow(window);
    UnregisterClass(kWindowClassName, instance);
    createRenderTarget = createWindowRenderTarget;
    DeleteCriticalSection(&frameLock);
    backgroundImage->Release();
    shipImage->Release();
    releaseWicFactory();
}

}  // namespace
