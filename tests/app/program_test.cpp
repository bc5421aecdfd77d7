#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/main_window.h"
#include "app/startup.h"
#include "gfx/draw_resources.h"
#include "platform/com.h"
#include "tests/app/fake_game.h"

namespace {

// The whole program, from start-up to teardown, on SDL's dummy video driver.
TEST(Program, RunsOnTimerFramesUntilClosedThenTearsEverythingDown) {
    const InstanceHandle instance = GetModuleHandle(nullptr);
    const int comBefore = comInitCount();
    framesRun = 0;

    ASSERT_TRUE(startUp(instance, SW_SHOWDEFAULT));
    EXPECT_EQ(gameResets, 1);
    // Showing the window painted the first frame before the timer existed.
    EXPECT_EQ(framesRun, 1);
    EXPECT_NE(renderTarget, nullptr);

    // Closes the window once the frame timer has driven a few more frames.
    std::thread closer([window = mainWindow] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (framesRun < 4 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        PostMessage(window, WM_CLOSE, 0, 0);
    });
    const int exitCode = runMessageLoop();
    closer.join();
    EXPECT_EQ(exitCode, 0);
    EXPECT_GE(framesRun, 4);

    tearDown(instance);
    EXPECT_EQ(comInitCount(), comBefore);
    EXPECT_EQ(renderTarget, nullptr);
    EXPECT_EQ(brush, nullptr);
    EXPECT_EQ(largeTextFormat, nullptr);
    EXPECT_EQ(glowStroke, nullptr);
    EXPECT_EQ(GetClassInfo(instance, kWindowClassName), nullptr);
}

void startWithTheClassTaken() {
    WindowClass taken{};
    taken.windowProc = DefWindowProc;
    taken.instance = GetModuleHandle(nullptr);
    taken.className = kWindowClassName;
    if (RegisterClass(taken) == 0) std::exit(2);
    std::exit(winMain(GetModuleHandle(nullptr), SW_SHOWDEFAULT));
}

TEST(ProgramDeathTest, FailedStartUpEndsWithStatusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(startWithTheClassTaken(), testing::ExitedWithCode(1), "");
}

}  // namespace
