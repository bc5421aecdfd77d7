#include "tests/game/game_fixture.h"

namespace {

using BackgroundTest = GameTest;

struct ScrollCase {
    float clock;
    float farBefore;
    float nearBefore;
    float farDrawn;  // offset the far layer is drawn at
    float nearDrawn;
    float farAfter;  // offset after the wrap
    float nearAfter;
};

TEST_F(BackgroundTest, LayersAdvanceWithTheClockAndWrapAfterDrawing) {
    const ScrollCase cases[] = {
        {0.0f, 10.0f, 20.0f, 10.0f, 20.0f, 10.0f, 20.0f},          // clock 0: nothing moves
        {500.0f, 0.0f, 0.0f, 1.0f, 2.0f, 1.0f, 2.0f},              // 1 and 2 pixels a frame
        {500.0f, 767.5f, 766.0f, 768.5f, 768.0f, 0.0f, 0.0f},      // drawn past 768, then dropped
        {500.0f, 766.5f, 765.0f, 767.5f, 767.0f, 767.5f, 767.0f},  // just short of the wrap
    };
    for (const ScrollCase& c : cases) {
        stageClock = c.clock;
        scrollFar = c.farBefore;
        scrollNear = c.nearBefore;
        target.ops.clear();
        updateBackground(&target);
        ASSERT_EQ(target.ops.size(), 2u);
        const DrawOp& far = target.ops[0];
        const DrawOp& near = target.ops[1];
        EXPECT_EQ(far.bitmap, backgroundBitmap);
        EXPECT_TRUE(sameRect(far.source, {0, 0, 600, 1536}));
        EXPECT_TRUE(sameRect(near.source, {0, 1536, 600, 3072}));
        EXPECT_TRUE(sameRect(far.destination, {0, -768 + c.farDrawn, 600, 768 + c.farDrawn}))
            << "clock " << c.clock;
        EXPECT_TRUE(sameRect(near.destination, {0, -768 + c.nearDrawn, 600, 768 + c.nearDrawn}));
        EXPECT_EQ(scrollFar, c.farAfter) << "clock " << c.clock << " far " << c.farBefore;
        EXPECT_EQ(scrollNear, c.nearAfter);
    }
}

TEST_F(BackgroundTest, AdvanceIsFormedInDoubleFromTheClock) {
    // 5 x 0.002 in double rounds to a different float than 5.0f x 0.002f does.
    stageClock = 5.0f;
    updateBackground(&target);
    EXPECT_EQ(scrollFar, static_cast<float>(5.0 * 0.002));
    EXPECT_NE(scrollFar, 5.0f * 0.002f);
}

using ShipTest = GameTest;

struct MoveCase {
    std::vector<int> keys;
    float x, y;
    float expectedX, expectedY;
};

TEST_F(ShipTest, ArrowsMoveEightPixelsAndClampToTheShipArea) {
    const MoveCase cases[] = {
        {{VK_LEFT}, 300, 520, 292, 520},
        {{VK_RIGHT}, 300, 520, 308, 520},
        {{VK_UP}, 300, 520, 300, 512},
        {{VK_DOWN}, 300, 520, 300, 528},
        {{VK_LEFT, VK_RIGHT}, 300, 520, 300, 520},
        {{VK_UP, VK_DOWN}, 300, 520, 300, 520},
        {{VK_LEFT, VK_UP}, 300, 520, 292, 512},
        {{VK_RIGHT, VK_DOWN}, 300, 520, 308, 528},
        {{VK_LEFT}, 28, 520, 24, 520},
        {{VK_LEFT}, 24, 520, 24, 520},
        {{VK_RIGHT}, 572, 520, 576, 520},
        {{VK_UP}, 300, 404, 300, 400},
        {{VK_DOWN}, 300, 692, 300, 696},
        {{}, 300, 520, 300, 520},
    };
    for (const MoveCase& c : cases) {
        std::memset(keyDown, 0, sizeof keyDown);
        for (int key : c.keys) onKeyDown(key);
        playerX = c.x;
        playerY = c.y;
        movePlayer();
        EXPECT_EQ(playerX, c.expectedX) << "from " << c.x << "," << c.y;
        EXPECT_EQ(playerY, c.expectedY) << "from " << c.x << "," << c.y;
    }
}

TEST_F(ShipTest, PodsFollowUnclampedAndAreDrawnBeforeTheShip) {
    playerX = 24.0f;
    playerY = 696.0f;
    drawPlayer(&target);

    const PointF pods[4] = {{-26, 746}, {74, 746}, {-76, 796}, {124, 796}};
    ASSERT_EQ(target.ops.size(), 5u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(optionPos[k].x, pods[k].x);
        EXPECT_EQ(optionPos[k].y, pods[k].y);
        const DrawOp& pod = target.ops[k];
        EXPECT_TRUE(sameRect(pod.source, {110, 30, 160, 100}));
        EXPECT_TRUE(sameRect(pod.destination,
                             {pods[k].x - 25, pods[k].y - 35, pods[k].x + 25, pods[k].y + 35}));
    }
    const DrawOp& ship = target.ops[4];
    EXPECT_EQ(ship.bitmap, shipBitmap);
    EXPECT_TRUE(sameRect(ship.source, {0, 0, 50, 100}));
    EXPECT_TRUE(sameRect(ship.destination, {-1, 646, 49, 746}));
    EXPECT_EQ(ship.opacity, 1.0f);
}

}  // namespace
