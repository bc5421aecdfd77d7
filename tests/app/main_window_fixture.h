// The real main window on SDL's dummy video driver.
#pragma once

#include <gtest/gtest.h>

#include "app/main_window.h"

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        window = createMainWindow(instance);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        DestroyWindow(window);
        // The window procedure answered WM_DESTROY with the quit request.
        Message message{};
        EXPECT_EQ(GetMessage(&message), 0);
        EXPECT_EQ(message.wParam, 0u);
        EXPECT_TRUE(UnregisterClass(kWindowClassName, instance));
    }

    InstanceHandle instance = GetModuleHandle(nullptr);
    WindowHandle window = nullptr;
};
