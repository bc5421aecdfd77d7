#include "gfx/explosions.h"

#include <gtest/gtest.h>

#include "tests/support/op_recorder.h"

namespace {

class ExplosionsTest : public ::testing::Test {
  protected:
    void SetUp() override { clearExplosions(); }
    void TearDown() override { clearExplosions(); }

    // One frame's explosion pass; returns its discs.
    std::vector<DrawOp> drawFrame() {
        OpRecorder target;
        drawExplosions(&target, brush);
        return target.ops;
    }

    TestDrawResources resources;
};

TEST_F(ExplosionsTest, SixteenSpawnsFillTheFifteenSlotsInOrderAndDropTheLast) {
    for (int i = 0; i < 16; ++i) spawnExplosion(10.0f * i, 5.0f);
    for (int i = 0; i < kExplosionCount; ++i) {
        EXPECT_EQ(explosions[i].framesLeft, 6u);
        EXPECT_EQ(explosions[i].x, 10.0f * i);
    }
    EXPECT_EQ(findFreeExplosion(explosions, kExplosionCount), -1);
    EXPECT_EQ(drawFrame().size(), 3u * kExplosionCount);
}

TEST_F(ExplosionsTest, StartsWithThePlannedSteps) {
    spawnExplosion(300, 400);
    const Explosion& e = explosions[0];
    EXPECT_EQ(e.colour, 0xFFFFF0u);
    EXPECT_EQ(e.stepX, 0.0f);
    EXPECT_EQ(e.stepY, 0.0f);
    EXPECT_EQ(e.stepScale, (4.0f - 0.5f) / 6.0f);
    EXPECT_EQ(e.stepAlpha, (0.1f - 0.6f) / 6.0f);
    EXPECT_EQ(e.baseSize, 32.0f);
}

TEST_F(ExplosionsTest, DrawsThreeDiscsThatGrowAndFadeOverSixFrames) {
    spawnExplosion(300, 400);
    // Radius and alpha of drawn frame k: 16 x (0.5 + 7k/12) and 0.6 - k/12.
    for (int k = 1; k <= 6; ++k) {
        const std::vector<DrawOp> discs = drawFrame();
        ASSERT_EQ(discs.size(), 3u) << "frame " << k;
        const PointF centres[] = {{300, 400}, {270, 370}, {330, 370}};
        for (int d = 0; d < 3; ++d) {
            EXPECT_EQ(discs[d].kind, DrawOp::Fill);
            EXPECT_EQ(discs[d].ellipse.point.x, centres[d].x);
            EXPECT_EQ(discs[d].ellipse.point.y, centres[d].y);
            EXPECT_NEAR(discs[d].ellipse.radiusX, 16.0f * (0.5f + 7.0f * k / 12.0f), 1e-4f);
            EXPECT_EQ(discs[d].ellipse.radiusY, discs[d].ellipse.radiusX);
            EXPECT_NEAR(discs[d].color.a, 0.6f - k / 12.0f, 1e-6f);
            EXPECT_EQ(discs[d].color.r, 1.0f);
            EXPECT_EQ(discs[d].color.b, 240.0f / 255.0f);
        }
        EXPECT_EQ(explosions[0].framesLeft, 6u - k);
    }
    EXPECT_TRUE(drawFrame().empty());
}

TEST_F(ExplosionsTest, ASlotIsFreedByItsSixthDrawAndReusedFromTheNextFrame) {
    spawnExplosion(100, 100);
    for (int k = 1; k <= 5; ++k) drawFrame();
    spawnExplosion(200, 200);  // during the sixth frame, before its explosion pass
    EXPECT_EQ(explosions[1].x, 200.0f);
    drawFrame();
    EXPECT_EQ(explosions[0].framesLeft, 0u);
    spawnExplosion(300, 300);
    EXPECT_EQ(explosions[0].x, 300.0f);
    EXPECT_EQ(explosions[0].framesLeft, 6u);
}

TEST_F(ExplosionsTest, TakesTheLowestFreeSlot) {
    for (int i = 0; i < kExplosionCount; ++i) spawnExplosion(1, 1);
    explosions[7].framesLeft = 0;
    explosions[3].framesLeft = 0;
    spawnExplosion(50, 60);
    EXPECT_EQ(explosions[3].x, 50.0f);
    EXPECT_EQ(explosions[7].framesLeft, 0u);
}

}  // namespace
