#include <gtest/gtest.h>

#include "app/frame_pacing.h"
#include "app/graphics.h"
#include "assets/asset_loader.h"
#include "gfx/draw_resources.h"
#include "tests/app/fake_game.h"
#include "tests/app/main_window_fixture.h"

namespace {

// What the next render-target creation gives: a failure, or a target whose
// EndDraw answers endDrawResult.
HResult nextCreation = S_OK;
HResult endDrawResult = S_OK;
int targetsCreated = 0;
SizeU createdSize{};

HResult createLoggingTarget(WindowHandle, SizeU size, RenderTarget** target) {
    if (failed(nextCreation)) return nextCreation;
    *target = new LoggingTarget(endDrawResult);
    ++targetsCreated;
    createdSize = size;
    return S_OK;
}

class RenderFrameTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InitializeCriticalSection(&frameLock);
        // The bitmaps are made from decoded pictures; small stand-ins do here.
        ASSERT_EQ(CreateImagingFactory(&wicFactory), S_OK);
        shipImage = new ImageFrame(2, 2, std::vector<std::uint8_t>(16, 255));
        backgroundImage = new ImageFrame(2, 2, std::vector<std::uint8_t>(16, 255));
        createRenderTarget = createLoggingTarget;
        nextCreation = S_OK;
        endDrawResult = S_OK;
        targetsCreated = 0;
        framesRun = 0;
        frameLog.clear();
    }

    void TearDown() override {
        discardDeviceResources();
        for (ImageFrame** image : {&shipImage, &backgroundImage}) {
            (*image)->Release();
            *image = nullptr;
        }
        wicFactory->Release();
        wicFactory = nullptr;
        createRenderTarget = createWindowRenderTarget;
        DeleteCriticalSection(&frameLock);
        MainWindowTest::TearDown();
    }

    // One paint as the message loop delivers it.
    void paint() {
        InvalidateRect(window, nullptr, false);
        windowProc(window, WM_PAINT, 0, 0);
    }

    static const std::vector<std::string> kOneFrame;
};

const std::vector<std::string> RenderFrameTest::kOneFrame = {"BeginDraw", "Clear", "runFrame",
                                                             "EndDraw"};

TEST_F(RenderFrameTest, PaintClearsToBlackAndRunsOneFrameOnATargetOfTheClientSize) {
    paint();
    EXPECT_EQ(frameLog, kOneFrame);
    EXPECT_EQ(createdSize.width, 600u);
    EXPECT_EQ(createdSize.height, 720u);
    const auto& ops = static_cast<LoggingTarget*>(renderTarget)->ops;
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].kind, DrawOp::Clear);
    EXPECT_EQ(ops[0].color.r, 0.0f);
    EXPECT_EQ(ops[0].color.g, 0.0f);
    EXPECT_EQ(ops[0].color.b, 0.0f);
    EXPECT_EQ(ops[0].color.a, 1.0f);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(brush->GetColor().a, 1.0f);
    // The paint validated the window.
    EXPECT_FALSE(GetUpdateRect(window, nullptr, false));
}

TEST_F(RenderFrameTest, PresentResourcesAreUsedAgainWithoutCreatingAnything) {
    paint();
    RenderTarget* first = renderTarget;
    paint();
    EXPECT_EQ(targetsCreated, 1);
    EXPECT_EQ(renderTarget, first);
    EXPECT_EQ(framesRun, 2);
}

TEST_F(RenderFrameTest, FailedCreationDrawsNothingAndRunsNoFrameUntilItSucceeds) {
    nextCreation = E_FAIL;
    paint();
    EXPECT_TRUE(frameLog.empty());
    EXPECT_EQ(framesRun, 0);
    EXPECT_EQ(renderTarget, nullptr);
    EXPECT_EQ(brush, nullptr);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, false));

    nextCreation = S_OK;
    paint();
    EXPECT_EQ(frameLog, kOneFrame);
}

TEST_F(RenderFrameTest, PartlyBuiltDeviceResourcesAreDroppedAndNothingIsDrawn) {
    // The target and the ship bitmap are made, then the background bitmap fails.
    ImageFrame* background = backgroundImage;
    backgroundImage = nullptr;
    paint();
    backgroundImage = background;
    EXPECT_EQ(targetsCreated, 1);
    EXPECT_EQ(renderTarget, nullptr);
    EXPECT_EQ(shipBitmap, nullptr);
    EXPECT_EQ(brush, nullptr);
    EXPECT_TRUE(frameLog.empty());
    EXPECT_EQ(framesRun, 0);

    // The next paint builds the whole set afresh.
    paint();
    EXPECT_EQ(targetsCreated, 2);
    EXPECT_EQ(frameLog, kOneFrame);
}

TEST_F(RenderFrameTest, DeviceLossLosesOnePictureThenRebuildsAtTheNextPaint) {
    endDrawResult = D2DERR_RECREATE_TARGET;
    paint();
    // The frame ran, its picture is lost, every device resource is gone.
    EXPECT_EQ(framesRun, 1);
    EXPECT_EQ(renderTarget, nullptr);
    EXPECT_EQ(brush, nullptr);
    // The repaint that rebuilds them is already asked for.
    EXPECT_TRUE(GetUpdateRect(window, nullptr, false));
    discardDeviceResources();  // as teardown would: nothing left to release

    endDrawResult = S_OK;
    frameLog.clear();
    windowProc(window, WM_PAINT, 0, 0);
    EXPECT_EQ(targetsCreated, 2);
    EXPECT_EQ(frameLog, kOneFrame);
    EXPECT_NE(brush, nullptr);
}

TEST_F(RenderFrameTest, OtherEndDrawFailuresAreIgnored) {
    endDrawResult = E_FAIL;
    paint();
    EXPECT_NE(renderTarget, nullptr);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, false));
}

}  // namespace
