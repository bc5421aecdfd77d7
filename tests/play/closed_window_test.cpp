// The window system on a real X server. SDL ends a wait for events from another
// thread by sending an X event to one of its windows; when the frame timer does
// so just as the window closes, the event goes to a window already destroyed,
// and the error comes back whenever that connection is next read, as late as
// when SDL closes it with the window system. Neither must end the program,
// while other X errors still do.
#include <algorithm>
#include <cstdlib>

#include "tests/platform/window_fixture.h"

// After gtest: Xlib, which SDL's window manager info brings in too, defines
// None, Bool and Status as macros.
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace {

Window xWindowOf(WindowHandle window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window->sdlWindow, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    return info.info.x11.window;
}

class ClosedWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        // Each dying child opens the window system afresh: a forked one would
        // share the parent's X connections and break them as it closes.
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        WindowTest::SetUp();
        target = xWindowOf(window);
        ASSERT_NE(target, 0u) << "needs SDL's X11 video driver";
        DestroyWindow(window);
        // SDL's connection sends the destruction when it likes; wait until the
        // server has done it, so that a wake-up surely meets a missing window.
        Display* connection = XOpenDisplay(nullptr);
        ASSERT_NE(connection, nullptr);
        for (int attempt = 0; attempt < 500 && isTopLevel(connection, target); ++attempt) {
            SDL_Delay(10);
        }
        EXPECT_FALSE(isTopLevel(connection, target));
        XCloseDisplay(connection);
    }

    static bool isTopLevel(Display* connection, Window window) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(connection, DefaultRootWindow(connection), &root, &parent, &children, &count);
        const bool found = std::find(children, children + count, window) != children + count;
        if (children != nullptr) XFree(children);
        return found;
    }

    // A client message from a connection of its own, as SDL's wake-up sends it.
    static void sendWakeUp(Display* connection, Window target) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = target;
        event.xclient.format = 32;
        XSendEvent(connection, target, False, NoEventMask, &event);
        XFlush(connection);
    }

    Window target = 0;
};

TEST_F(ClosedWindowTest, AWakeUpForItDoesNotEndTheProgram) {
    // SDL's wake-up connection is read last as SDL closes it, after SDL has put
    // back the error handler it found when the window system opened.
    for (const bool windowSystemClosed : {false, true}) {
        SCOPED_TRACE(windowSystemClosed ? "with the window system closed" : "with it open");
        EXPECT_EXIT(
            {
                if (windowSystemClosed) UnregisterClass(kClassName, instance);
                Display* connection = XOpenDisplay(nullptr);
                sendWakeUp(connection, target);
                XSync(connection, False);
                XCloseDisplay(connection);
                std::exit(0);
            },
            testing::ExitedWithCode(0), "");
    }
}

TEST_F(ClosedWindowTest, OtherErrorsAboutItStillEndTheProgram) {
    EXPECT_EXIT(
        {
            Display* connection = XOpenDisplay(nullptr);
            XMapWindow(connection, target);
            XSync(connection, False);
            std::exit(0);
        },
        testing::ExitedWithCode(1), "BadWindow");
}

}  // namespace
