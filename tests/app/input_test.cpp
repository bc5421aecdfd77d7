#include "app/input.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/main_window.h"

namespace {

class KeyTablesTest : public testing::Test {
  protected:
    void SetUp() override {
        std::memset(keyDown, 0, sizeof keyDown);
        std::memset(keyLatched, 0, sizeof keyLatched);
    }

    static void send(std::uint32_t message, WParam key) { windowProc(nullptr, message, key, 0); }
};

TEST_F(KeyTablesTest, SpaceFiresOncePerPressWhateverTheAutoRepeat) {
    struct Step {
        std::uint32_t message;  // 0: only ask keyPressedOnce
        int expected;
    };
    const Step steps[] = {
        {0, 0},           // not pressed yet
        {WM_KEYDOWN, 1},  // the press
        {0, 0},           // still held
        {WM_KEYDOWN, 0},  // auto-repeat
        {WM_KEYDOWN, 0},  // auto-repeat
        {WM_KEYUP, 0},    // released
        {WM_KEYDOWN, 1},  // the next press
    };
    int index = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(index++);
        if (step.message != 0) send(step.message, VK_SPACE);
        EXPECT_EQ(keyPressedOnce(VK_SPACE), step.expected);
    }
}

TEST_F(KeyTablesTest, HeldKeysStayDownUntilTheirOwnRelease) {
    send(WM_KEYDOWN, VK_LEFT);
    send(WM_KEYDOWN, VK_UP);
    send(WM_KEYUP, VK_UP);
    EXPECT_EQ(keyDown[VK_LEFT], 1);
    EXPECT_EQ(keyDown[VK_UP], 0);
}

TEST_F(KeyTablesTest, CodesOf256AndMoreTouchNothing) {
    send(WM_KEYDOWN, VK_LEFT);
    keyLatched[VK_LEFT] = 1;
    // The low byte of each code names a real key: a masked index would hit it.
    send(WM_KEYDOWN, 0x100 + VK_SPACE);
    send(WM_KEYUP, 0x100 + VK_LEFT);
    send(WM_KEYDOWN, ~static_cast<WParam>(0));
    EXPECT_EQ(keyDown[VK_SPACE], 0);
    EXPECT_EQ(keyDown[VK_LEFT], 1);
    EXPECT_EQ(keyLatched[VK_LEFT], 1);
    EXPECT_EQ(keyPressedOnce(0x100 + VK_LEFT), 0);
}

TEST_F(KeyTablesTest, SystemKeyMessagesLeaveTheTablesAlone) {
    send(WM_SYSKEYDOWN, VK_SPACE);
    EXPECT_EQ(keyDown[VK_SPACE], 0);
    send(WM_KEYDOWN, VK_SPACE);
    send(WM_SYSKEYUP, VK_SPACE);
    EXPECT_EQ(keyDown[VK_SPACE], 1);
}

TEST(Activation, InactiveWindowPausesAndAnyActivationResumes) {
    struct Case {
        WParam wParam;
        int paused;
    };
    // The high word (the minimised flag) does not matter.
    const Case cases[] = {
        {WA_INACTIVE, 1},
        {WA_ACTIVE, 0},
        {WA_INACTIVE, 1},
        {WA_CLICKACTIVE, 0},
        {0x00010000 | WA_INACTIVE, 1},
        {0x00010000 | WA_ACTIVE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wParam);
        EXPECT_EQ(windowProc(nullptr, WM_ACTIVATE, c.wParam, 0), 0);
        EXPECT_EQ(paused, c.paused);
    }
}

}  // namespace
