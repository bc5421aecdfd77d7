#include <gtest/gtest.h>

#include "tests/app/main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, ClassIsRegisteredWithTheWindowProcedureAndStockResources) {
    const WindowClass* windowClass = GetClassInfo(instance, kWindowClassName);
    ASSERT_NE(windowClass, nullptr);
    EXPECT_EQ(windowClass->style, CS_HREDRAW | CS_VREDRAW);
    EXPECT_EQ(windowClass->windowProc, windowProc);
    EXPECT_EQ(windowClass->classExtra, 0);
    EXPECT_EQ(windowClass->windowExtra, 0);
    EXPECT_EQ(windowClass->icon, LoadIcon(nullptr, IDI_APPLICATION));
    EXPECT_EQ(windowClass->cursor, LoadCursor(nullptr, IDC_ARROW));
    EXPECT_EQ(windowClass->background, GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(windowClass->menuName, nullptr);
}

TEST_F(MainWindowTest, ClientAreaIs600By720CentredOnTheWorkArea) {
    RectI client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.right - client.left, 600);
    EXPECT_EQ(client.bottom - client.top, 720);
    RectI workArea{};
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0));
    RectI outer{};
    ASSERT_TRUE(GetWindowRect(window, &outer));
    EXPECT_EQ(outer.left, centredOrigin(workArea.left, workArea.right, outer.right - outer.left));
    EXPECT_EQ(outer.top, centredOrigin(workArea.top, workArea.bottom, outer.bottom - outer.top));
}

TEST(WindowPlacement, CentresOnTheWorkAreasOwnCentre) {
    struct Case {
        const char* name;
        int low, high, length, origin;
    };
    const Case cases[] = {
        {"plain desktop, across", 0, 1280, 600, 340},
        {"plain desktop, down", 0, 1024, 720, 152},
        {"taskbar at the left", 64, 1280, 600, 372},
        {"taskbar at the top", 40, 1024, 720, 172},
        {"odd span rounds toward zero", 0, 1365, 600, 382},
        {"display left of the primary one", -1281, 0, 600, -940},
        {"work area smaller than the window", 0, 600, 720, -60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(centredOrigin(c.low, c.high, c.length), c.origin);
    }
}

}  // namespace
