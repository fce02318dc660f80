// The shooter: its aim limit and turning bound, the colours it offers, the
// launch of a shot at the speed of the speed mode, and the flying block's
// bounces off the side walls.
#include "game/shooter.h"
#include "engine/hge.h"
#include "game/flying_block.h"
#include "play_fixture.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

class ShooterTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        folder.Write("script/block_shoot.luac",
                     "shoot_x = 260.7 shoot_y = 546 shoot_min_angle = 80 shoot_limit_time = 10\n");
        folder.Write("script/block_function.luac",
                     "ShootSpeed = 600 ShootSpeedSlow = 340 ShootSpeedFast = 900\n");
        hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
        LoadShooter(game.shooter);
        CallRule(game.rules, *hge, "getBlockNum", 1);  // opens the rule script
    }

    void Key(int key, bool down) {
        InputEvent event;
        event.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
        event.key = key;
        hge->DeliverEvent(event);
    }

    TempFolder folder;
};

TEST_F(ShooterTest, TheAimLimitIsTheSinglePrecisionProductOfTheScriptDegrees) {
    EXPECT_EQ(game.shooter.aimLimit, 1.3962634f);
    EXPECT_EQ(game.shooter.x, 260);
    EXPECT_EQ(game.shooter.limitTime, 10.0f);
}

TEST_F(ShooterTest, TheAngleIsHeldWithinTheLimitAndALimitAngleStays) {
    const float limit = game.shooter.aimLimit;
    const struct {
        float angle;
        float expected;
    } cases[] = {{2.0f, limit},
                 {-2.0f, -limit},
                 {limit, limit},
                 {-limit, -limit},
                 {std::nextafter(limit, 2.0f), limit},
                 {0.5f, 0.5f}};
    for (const auto& c : cases) {
        game.shooter.angle = c.angle;
        UpdateShooter(game, 1.0f / 30.0f);
        EXPECT_EQ(game.shooter.angle, c.expected) << c.angle;
    }
}

TEST_F(ShooterTest, PickColourChoosesOnlyColoursOnTheBoardAndOneOnAnEmptyBoard) {
    const struct {
        const char* rows;
        std::set<int> colours;
    } cases[] = {{"", {1}}, {"4 4\n", {4}}, {"2 . 7\n. 5 2\n", {2, 5, 7}}};
    for (const auto& c : cases) {
        Lay(c.rows);
        RecomputeColoursPresent(game.shooter, game.board);
        std::set<int> seen;
        for (int i = 0; i < 200; ++i) {
            seen.insert(PickColour(game.shooter, *hge));
        }
        EXPECT_EQ(seen, c.colours) << c.rows;
    }
}

TEST_F(ShooterTest, AShotLeavesUpwardAtTheSpeedOfTheSpeedMode) {
    const struct {
        float angle;
        int mode;
        float speed;
    } cases[] = {{0.0f, 0, 600.0f}, {0.5f, 1, 340.0f}, {-1.2f, 2, 900.0f}};
    for (const auto& c : cases) {
        game.props.speedMode = c.mode;
        FireBlock(game, 3, 260.0f, 546.0f, c.angle);
        const FlyingBlock& flying = game.flying;
        EXPECT_TRUE(flying.inFlight);
        EXPECT_EQ(flying.colour, 3);
        EXPECT_EQ(flying.speed, c.speed);
        EXPECT_EQ(flying.vx, std::sin(c.angle) * c.speed) << c.angle;
        EXPECT_EQ(flying.vy, -std::fabs(std::cos(c.angle) * c.speed)) << c.angle;
        EXPECT_LT(flying.vy, 0.0f);
    }
    EXPECT_EQ(game.flying.x, 260.0f);
    FireBlock(game, 3, 260.0f, 546.0f, 0.0f);
    EXPECT_EQ(game.flying.vx, 0.0f) << "a shot at angle 0 goes straight up";
}

TEST_F(ShooterTest, AtAWallTheFlyingBlockStopsOnItAndTurnsBack) {
    // The walls are at 35 + 36 / 2 = 53 and 35 + 36 * 12 = 467.
    const struct {
        float x, vx;
        float expectedX, expectedVx;
    } cases[] = {
        {60.0f, -300.0f, 53.0f, 300.0f},
        {460.0f, 300.0f, 467.0f, -300.0f},
        {56.0f, -30.0f, 53.0f, 30.0f},  // exactly on the wall counts
        {100.0f, -300.0f, 70.0f, -300.0f},
    };
    for (const auto& c : cases) {
        game.flying.inFlight = true;
        game.flying.x = c.x;
        game.flying.y = 300.0f;
        game.flying.vx = c.vx;
        game.flying.vy = -400.0f;
        UpdateFlyingBlock(game, 0.1f);
        EXPECT_EQ(game.flying.x, c.expectedX) << c.x;
        EXPECT_EQ(game.flying.vx, c.expectedVx) << c.x;
        EXPECT_EQ(game.flying.y, 260.0f);
    }
}

TEST_F(ShooterTest, ASpeedModeRunsDownInPlayingFramesWithOrWithoutAFlight) {
    game.props.speedMode = 2;
    game.props.speedTimer = 0.15f;
    UpdateFlyingBlock(game, 0.1f);
    EXPECT_EQ(game.props.speedMode, 2);
    UpdateFlyingBlock(game, 0.1f);
    EXPECT_EQ(game.props.speedMode, 0);
}

TEST_F(ShooterTest, SpaceFiresTheCurrentBlockAndBringsUpTheNext) {
    Lay("6 6 6\n");
    game.shooter.limitTime = 100.0f;
    SetShooterColours(game, 2, 6);
    Key(HGEK_SPACE, true);
    UpdateShooter(game, 0.03f);
    EXPECT_TRUE(game.flying.inFlight);
    EXPECT_EQ(game.flying.colour, 2);
    EXPECT_EQ(game.shooter.current, 6);
    EXPECT_EQ(game.shooter.next, 6) << "the only colour on the board";
    EXPECT_TRUE(game.shooter.spaceHeld);
    EXPECT_EQ(game.shooter.shotTimer, 0.0f);
}

TEST_F(ShooterTest, AnArmedBombFiresWithoutChangingTheBlocks) {
    Lay("6 6 6\n");
    game.shooter.limitTime = 100.0f;
    SetShooterColours(game, 2, 4);
    game.props.bombShots = 1;
    Key(HGEK_SPACE, true);
    UpdateShooter(game, 0.03f);
    EXPECT_TRUE(game.flying.inFlight);
    EXPECT_EQ(game.flying.colour, 2);
    EXPECT_EQ(game.shooter.current, 2);
    EXPECT_EQ(game.shooter.next, 4);
}

TEST_F(ShooterTest, AWaitingPlayerHasTheBlockFiredOnceTheFlightIsOver) {
    Lay("6 6 6\n");
    game.shooter.limitTime = 0.5f;
    game.flying.inFlight = true;
    for (int frame = 0; frame < 20; ++frame) {
        UpdateShooter(game, 0.1f);
    }
    EXPECT_GE(game.shooter.shotTimer, 0.5f) << "no automatic shot while a block flies";
    game.flying.inFlight = false;
    UpdateShooter(game, 0.1f);
    EXPECT_TRUE(game.flying.inFlight);
    EXPECT_EQ(game.shooter.shotTimer, 0.0f);
    EXPECT_FALSE(game.shooter.spaceHeld);
}

TEST_F(ShooterTest, AfterALandingAColourThatLeftTheBoardIsReplaced) {
    Lay("3 5 5\n");
    SetShooterColours(game, 1, 3);
    RefreshShooterColours(game);
    EXPECT_NE(game.shooter.current, 1);
    EXPECT_EQ(game.shooter.next, 3) << "colour 3 is still on the board";
    Lay("5\n");
    RefreshShooterColours(game);
    EXPECT_EQ(game.shooter.current, 5);
    EXPECT_EQ(game.shooter.next, 5);
}

}  // namespace
