#include <gtest/gtest.h>

#include "tests/platform/window_fixture.h"

namespace {

TEST_F(WindowTest, ClientAreaIsTheSizeAskedForAtTheGivenPlace) {
    RectI client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.right - client.left, 600);
    EXPECT_EQ(client.bottom - client.top, 720);
    RectI outer{};
    ASSERT_TRUE(GetWindowRect(window, &outer));
    EXPECT_EQ(outer.left, 10);
    EXPECT_EQ(outer.top, 20);
}

TEST_F(WindowTest, ClassNameIsRegisteredOncePerInstance) {
    WindowClass again{};
    again.windowProc = recordMessage;
    again.instance = instance;
    again.className = kClassName;
    EXPECT_EQ(RegisterClass(again), 0);
    // Not while a window of the class exists.
    EXPECT_FALSE(UnregisterClass(kClassName, instance));
    EXPECT_FALSE(UnregisterClass(L"no such class", instance));
}

TEST_F(WindowTest, ShowAndUpdatePaintOnceAtOnce) {
    ASSERT_TRUE(ShowWindow(window, SW_SHOWNORMAL));
    ASSERT_TRUE(UpdateWindow(window));
    ASSERT_EQ(receivedMessages.size(), 1u);
    EXPECT_EQ(receivedMessages[0].message, WM_PAINT);
    // The default handling of that paint validated the window.
    EXPECT_FALSE(GetUpdateRect(window, nullptr, false));
    UpdateWindow(window);
    EXPECT_EQ(receivedMessages.size(), 1u);
}

TEST_F(WindowTest, CloseRequestDestroysTheWindowAndSendsDestroy) {
    PostMessage(window, WM_CLOSE, 0, 0);
    pump();
    ASSERT_EQ(receivedMessages.size(), 2u);
    EXPECT_EQ(receivedMessages[0].message, WM_CLOSE);
    EXPECT_EQ(receivedMessages[1].message, WM_DESTROY);
    // The dead handle is refused, from this thread or any other.
    EXPECT_FALSE(InvalidateRect(window, nullptr, false));
    EXPECT_FALSE(ShowWindow(window, SW_SHOWNORMAL));
    RectI client{};
    EXPECT_FALSE(GetClientRect(window, &client));
}

TEST_F(WindowTest, AltF4AsksTheWindowToClose) {
    PostMessage(window, WM_SYSKEYDOWN, 0x73, 0);
    pump();
    ASSERT_EQ(receivedMessages.size(), 3u);
    EXPECT_EQ(receivedMessages[1].message, WM_CLOSE);
    EXPECT_EQ(receivedMessages[2].message, WM_DESTROY);
}

}  // namespace
