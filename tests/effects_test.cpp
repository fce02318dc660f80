// The board's effect lists: one-shot animations that leave when done, and
// falling blocks with their explicit motion and their exit below the screen.
#include "board/effects.h"
#include "block_fixture.h"

#include <gtest/gtest.h>

namespace {

class EffectsTest : public BlockFixture {
protected:
    Effects effects;
};

TEST_F(EffectsTest, FallingMotionIsExplicit) {
    SpawnFallingBlock(effects, blocks, 3, 40.0f, 500.0f);
    ASSERT_EQ(effects.fallingBlocks.size(), 1u);
    const Effect& block = effects.fallingBlocks[0];
    EXPECT_EQ(block.speed, 100.0f);
    EXPECT_EQ(block.acceleration, 1000.0f);
    EXPECT_TRUE(block.animation->IsPlaying());

    UpdateFallingBlocks(effects, 0.1f, 600, 30);
    EXPECT_FLOAT_EQ(effects.fallingBlocks[0].y, 510.0f);
    EXPECT_FLOAT_EQ(effects.fallingBlocks[0].speed, 200.0f);
    UpdateFallingBlocks(effects, 0.1f, 600, 30);
    EXPECT_FLOAT_EQ(effects.fallingBlocks[0].y, 530.0f);
    EXPECT_FLOAT_EQ(effects.fallingBlocks[0].speed, 300.0f);
    EXPECT_EQ(effects.fallingBlocks[0].x, 40.0f);
}

TEST_F(EffectsTest, FallingBlockLeavesOnceItsCentreReachesHalfABlockBelowTheScreen) {
    blocks.acceleration = 0.0f;
    // Screen 600, blocks 30: gone at y >= 615. Both start 10 pixels higher.
    SpawnFallingBlock(effects, blocks, 1, 0.0f, 604.0f);  // ends at 614: stays
    SpawnFallingBlock(effects, blocks, 2, 0.0f, 605.0f);  // ends at 615: gone
    SpawnFallingBlock(effects, blocks, 8, 0.0f, 100.0f);  // the bomb picture falls too
    UpdateFallingBlocks(effects, 0.1f, 600, 30);
    ASSERT_EQ(effects.fallingBlocks.size(), 2u);
    EXPECT_FLOAT_EQ(effects.fallingBlocks[0].y, 614.0f);
    EXPECT_FLOAT_EQ(effects.fallingBlocks[1].y, 110.0f);
}

TEST_F(EffectsTest, FinishedAnimationsLeaveWithoutStoppingTheWalk) {
    SpawnRemoval(effects, blocks, 1, 0.0f, 0.0f);
    SpawnRemoval(effects, blocks, 2, 0.0f, 0.0f);
    UpdateRemovals(effects, 0.25f);  // both on their last frame
    SpawnRemoval(effects, blocks, 3, 0.0f, 0.0f);
    UpdateRemovals(effects, 0.1f);  // the first two end; the third still moves on
    ASSERT_EQ(effects.removals.size(), 1u);
    EXPECT_EQ(effects.removals[0].animation->GetFrame(), 1);

    // A removal that loops (a resource-script choice) never leaves.
    effects.removals[0].animation->SetMode(HGEANIM_FWD | HGEANIM_LOOP);
    for (int i = 0; i < 50; ++i) {
        UpdateRemovals(effects, 0.1f);
    }
    EXPECT_EQ(effects.removals.size(), 1u);

    SpawnBombBurst(effects, blocks, 12.0f, 7.0f);
    EXPECT_EQ(effects.bombBursts[0].x, 12.0f);
    UpdateBombBursts(effects, 0.1f);
    EXPECT_EQ(effects.bombBursts.size(), 1u);
    UpdateBombBursts(effects, 0.1f);
    EXPECT_TRUE(effects.bombBursts.empty());
}

TEST_F(EffectsTest, RendersEveryEntryAtItsPoint) {
    SpawnRemoval(effects, blocks, 1, 2.0f, 3.0f);
    SpawnFallingBlock(effects, blocks, 8, 20.0f, 10.0f);
    BeginFrame();
    RenderRemovals(effects);
    RenderFallingBlocks(effects);
    hge->Gfx_EndScene();
    EXPECT_EQ(Pixel(2, 3), kColourPixel[0]);
    EXPECT_EQ(Pixel(9, 10), kColourPixel[0]);
    EXPECT_EQ(Pixel(20, 10), kBombPixel);
    EXPECT_EQ(Pixel(1, 3), kBackground);
}

}  // namespace
