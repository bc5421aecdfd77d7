#include <gtest/gtest.h>

#include "platform/graphics_factory.h"
#include "tests/platform/window_fixture.h"

namespace {

class WindowRenderTargetTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_EQ(CreateGraphicsFactory(FactoryType::MultiThreaded, &factory), S_OK);
        ASSERT_EQ(factory->CreateWindowRenderTarget(window, {600, 720}, &target), S_OK);
    }

    void TearDown() override {
        if (target != nullptr) target->Release();
        factory->Release();
        WindowTest::TearDown();
    }

    HResult drawFrame() {
        target->BeginDraw();
        target->Clear({0.0f, 0.0f, 0.0f, 1.0f});
        return target->EndDraw();
    }

    GraphicsFactory* factory = nullptr;
    RenderTarget* target = nullptr;
};

TEST_F(WindowRenderTargetTest, PresentsFramesOfTheRequestedSize) {
    EXPECT_EQ(target->GetPixelSize().width, 600u);
    EXPECT_EQ(target->GetPixelSize().height, 720u);
    EXPECT_EQ(drawFrame(), S_OK);
    EXPECT_EQ(drawFrame(), S_OK);
}

TEST_F(WindowRenderTargetTest, DeviceResetAsksForRecreationAndAPaint) {
    for (std::uint32_t reset : {SDL_RENDER_DEVICE_RESET, SDL_RENDER_TARGETS_RESET}) {
        SCOPED_TRACE(reset);
        SDL_Event event{};
        event.type = reset;
        SDL_PushEvent(&event);
        // The paint that follows is where the loss shows.
        EXPECT_EQ(pump().message, WM_PAINT);
        EXPECT_EQ(drawFrame(), D2DERR_RECREATE_TARGET);
        target->Release();
        target = nullptr;
        // The window takes a new target at once.
        ASSERT_EQ(factory->CreateWindowRenderTarget(window, {600, 720}, &target), S_OK);
        EXPECT_EQ(drawFrame(), S_OK);
    }
}

TEST_F(WindowRenderTargetTest, OneTargetPerWindowAndOnlyForLiveWindows) {
    RenderTarget* second = nullptr;
    EXPECT_TRUE(failed(factory->CreateWindowRenderTarget(window, {600, 720}, &second)));
    EXPECT_EQ(second, nullptr);
    EXPECT_TRUE(failed(factory->CreateWindowRenderTarget(nullptr, {600, 720}, &second)));
    EXPECT_EQ(second, nullptr);
}

TEST_F(WindowRenderTargetTest, TargetOutlivingItsWindowFailsQuietly) {
    DestroyWindow(window);
    EXPECT_TRUE(failed(drawFrame()));
}

}  // namespace
