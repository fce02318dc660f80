// The aim line: its timer, and its picture drawn from the launcher and again
// from the launcher's mirror image in the wall it points at, clipped to the
// strip between the walls above the pivot.
#include "game/aim_line.h"
#include "game/game.h"
#include "offscreen_engine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A 4-column field of 6-pixel blocks at x 2 on the 32 x 24 test screen: the
// walls stand at x 5 and 26. The launcher's pivot is at (14, 20).
class AimLineTest : public OffscreenEngineTest {
protected:
    static constexpr DWORD kLine = 0xFFFFFFFF;

    void SetUp() override {
        OffscreenEngineTest::SetUp();
        game.hge = hge;
        ConfigureBoard(game.board, {4, 3, 6, 6, 2, 0.0f}, "test");
        // A 2-pixel line 40 long, turned about its bottom centre.
        const HTEXTURE tex = SolidTexture(2, 40, kLine);
        game.aimLine.animation =
            std::make_unique<hgeAnimation>(tex, 1, 1.0f, 0.0f, 0.0f, 2.0f, 40.0f);
        game.aimLine.animation->SetHotSpot(1.0f, 40.0f);
        game.aimLine.x = 14;
        game.aimLine.y = 20;
        game.aimLine.limitTime = 1.0f;
        game.props.aimLineOn = true;
    }
    void TearDown() override {
        game = Game{};
        OffscreenEngineTest::TearDown();
    }

    void Draw(float angle) {
        game.shooter.angle = angle;
        BeginFrame();
        RenderAimLine(game);
        hge->Gfx_EndScene();
    }

    // Whether any pixel of column x between rows y1 and y2 (inclusive) is lit.
    bool LitIn(int x, int y1, int y2) {
        for (int y = y1; y <= y2; ++y) {
            if (Pixel(x, y) == kLine) {
                return true;
            }
        }
        return false;
    }

    Game game;
};

TEST_F(AimLineTest, TheReflectionsAreTheLaunchersMirrorImagesInTheWalls) {
    Draw(0.0f);
    // Left: (6 × 0.5 + 2) × 2 − 14; right: 2 × (6 × 4 + 2) − 14.
    EXPECT_EQ(game.aimLine.leftReflection, -4.0f);
    EXPECT_EQ(game.aimLine.rightReflection, 38.0f);
}

TEST_F(AimLineTest, TurnedRightItIsDrawnUpToTheWallAndOnAfterTheBounce) {
    Draw(1.2f);
    // From (14, 20) along (sin 1.2, -cos 1.2) the line meets the right wall
    // at y 15.3; the mirrored line comes back from there toward the left.
    const float run = 6.0f / std::sin(1.2f);
    const int direct = static_cast<int>(20.0f - run * std::cos(1.2f));       // at x 20: 17.7
    const int bounced = static_cast<int>(20.0f - 3 * run * std::cos(1.2f));  // at x 20: 13.0
    EXPECT_TRUE(LitIn(20, direct - 1, direct + 1));
    EXPECT_TRUE(LitIn(20, bounced - 1, bounced + 1));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (x < 5 || x >= 26 || y >= 20) {
                ASSERT_NE(Pixel(x, y), kLine) << "outside the strip at " << x << "," << y;
            }
        }
    }
}

TEST_F(AimLineTest, ItShowsForItsTimeOfPlayAndThenNotAtAll) {
    UpdateAimLine(game, 0.6f);
    EXPECT_TRUE(game.props.aimLineOn);
    UpdateAimLine(game, 0.4f);
    EXPECT_FALSE(game.props.aimLineOn) << "1.0 seconds reached";
    EXPECT_EQ(game.props.aimLineTimer, 1.0f);
    Draw(0.0f);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            ASSERT_EQ(Pixel(x, y), kBackground) << x << "," << y;
        }
    }
}

}  // namespace
