// A registered test class and one window of it on SDL's dummy video driver,
// with a window procedure that writes down every message it gets.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/sdl_window.h"
#include "platform/window.h"

inline std::vector<Message> receivedMessages;

inline LResult recordMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                             LParam lParam) {
    receivedMessages.push_back({window, message, wParam, lParam});
    return DefWindowProc(window, message, wParam, lParam);
}

class WindowTest : public testing::Test {
  protected:
    static constexpr const wchar_t* kClassName = L"skyrail test window";

    void SetUp() override {
        receivedMessages.clear();
        WindowClass windowClass{};
        windowClass.windowProc = recordMessage;
        windowClass.instance = instance;
        windowClass.className = kClassName;
        ASSERT_NE(RegisterClass(windowClass), 0);
        window = CreateWindow(0, kClassName, L"test", WS_SYSMENU, 10, 20, 600, 720, nullptr,
                              nullptr, instance, nullptr);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        DestroyWindow(window);
        EXPECT_TRUE(UnregisterClass(kClassName, instance));
    }

    // Fetches the next message and hands it to the window, as a message loop does.
    Message pump() {
        Message message{};
        EXPECT_EQ(GetMessage(&message), 1);
        DispatchMessage(&message);
        return message;
    }

    std::uint32_t sdlId() const { return SDL_GetWindowID(window->sdlWindow); }

    InstanceHandle instance = GetModuleHandle(nullptr);
    WindowHandle window = nullptr;
};
