// What props do to the board: each kind's effect when its block leaves, the
// bomb that blows up the landed block and its neighbours, the infection that
// recolours them, and the star sweep with the order it takes in a landing.
#include "board/prop_effects.h"
#include "board/landing.h"
#include "engine/hge.h"
#include "play_fixture.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

class PropEffectsTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        folder.Write("script/block_function.luac", "ShootSpeedTime = 7.5\n");
        hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
        CallRule(game.rules, *hge, "getBlockNum", 1);  // opens the rule script
        hge->Random_Seed(7);
    }

    // The block in (col, row) has just settled: the board is laid out with
    // it, then its landing is resolved.
    void Land(const std::string& rows, int col, int row) {
        Lay(rows);
        ResolveLanding(game, col, row);
    }
    // A block of `colour` settles in the empty cell (col, row) of the board
    // as it stands, and its landing is resolved.
    void Settle(int col, int row, int colour) {
        Cell& cell = game.board.At(col, row);
        PlaceCell(game.board, col, row, row % 2);
        cell.colour = colour;
        cell.kind = 1;
        SetCellAnimation(game.blocks, cell.animation, AnimState::Normal, colour);
        ResolveLanding(game, col, row);
    }

    // Which colours the star flags hold, as digits.
    std::string Flagged() const {
        std::string text;
        for (int colour = 1; colour <= kBlockColours; ++colour) {
            if (game.props.starColours[colour - 1]) {
                text += std::to_string(colour);
            }
        }
        return text;
    }

    TempFolder folder;
};

TEST_F(PropEffectsTest, EachKindTakesEffectAndLeavesWithItsBlock) {
    const struct {
        int kind;
        int colour;
        const char* what;
    } cases[] = {
        {PropKind::Fast, 3, "fast during slow restarts the countdown"},
        {PropKind::Slow, 3, "slow during fast"},
        {PropKind::Aim, 3, "aim restarts the line"},
        {PropKind::Bomb, 3, "a second bomb stays one"},
        {PropKind::Infection, 3, "infection set, not added"},
        {PropKind::Star, 4, "star flags its block's colour"},
        {PropKind::None, 3, "nothing"},
        {9, 3, "an unknown kind only clears"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PropState& props = game.props;
        props = PropState{};
        // Slow or fast already running, the line half way, shots armed.
        props.speedMode = c.kind == PropKind::Fast ? SpeedMode::Slow : SpeedMode::Fast;
        props.speedTimer = 2.0f;
        props.aimLineOn = false;
        props.aimLineTimer = 5.0f;
        props.bombShots = 1;
        props.infectionShots = -3;
        props.propsOnBoard = 2;
        Cell cell;
        cell.prop = c.kind;
        ReleaseProp(game, cell, c.colour);

        const bool real = c.kind >= 1 && c.kind <= kPropKinds;
        EXPECT_EQ(cell.prop, 0);
        EXPECT_EQ(props.propsOnBoard, real ? 1 : 2);
        if (c.kind == PropKind::Fast || c.kind == PropKind::Slow) {
            EXPECT_EQ(props.speedMode,
                      c.kind == PropKind::Fast ? SpeedMode::Fast : SpeedMode::Slow);
            EXPECT_EQ(props.speedTimer, 7.5f) << "ShootSpeedTime, not added to what was left";
        } else {
            EXPECT_EQ(props.speedTimer, 2.0f);
        }
        EXPECT_EQ(props.aimLineTimer, c.kind == PropKind::Aim ? 0.0f : 5.0f);
        EXPECT_EQ(props.aimLineOn, c.kind == PropKind::Aim);
        EXPECT_EQ(props.bombShots, 1);
        EXPECT_EQ(props.infectionShots, c.kind == PropKind::Infection ? 1 : -3);
        EXPECT_EQ(Flagged(), c.kind == PropKind::Star ? "4" : "");
    }
}

TEST_F(PropEffectsTest, TwoBombsReleasedInOneLandingArmOneShot) {
    Land("1b 1b 1 2 2 3\n", 2, 0);
    EXPECT_EQ(game.props.bombShots, 1);
    EXPECT_EQ(game.props.propsOnBoard, 0);
    EXPECT_EQ(game.score.total, 30);
    // The next landing explodes; the one after it matches again.
    Settle(2, 0, 3);
    EXPECT_EQ(game.props.bombShots, 0);
    EXPECT_EQ(game.effects.bombBursts.size(), 1u);
    EXPECT_EQ(Colours(), ". . . . 2 3 . . . . . .\n") << "(4, 0) and (5, 0) are out of reach";
    Settle(3, 0, 3);
    EXPECT_EQ(game.props.bombShots, -1);
    EXPECT_EQ(game.effects.bombBursts.size(), 1u);
}

TEST_F(PropEffectsTest, ABombInColumnZeroTakesOnlyTheNeighboursThatExist) {
    game.props.bombShots = 1;
    game.props.infectionShots = 1;
    // (0, 2) is unshifted: its right (1, 2), upper-right (0, 1) and
    // lower-right (0, 3) exist; the three on its left do not.
    Land("1 2 3\n4a 5\n6 7 1\n2 3\n", 0, 2);
    EXPECT_EQ(Colours(),
              "1 2 3 . . . . . . . . .\n"
              ". 5 . . . . . . . . . .\n"
              ". . 1 . . . . . . . . .\n"
              ". 3 . . . . . . . . . .\n");
    EXPECT_EQ(game.score.total, 0) << "exploded blocks give no points";
    ASSERT_EQ(game.effects.bombBursts.size(), 1u);
    EXPECT_EQ(game.effects.bombBursts[0].x, 35.0f + 18.0f);
    EXPECT_EQ(game.effects.bombBursts[0].y, 30.0f + 18.0f + 62.0f);  // two rows of 31.18
    EXPECT_TRUE(game.effects.removals.empty());
    EXPECT_TRUE(game.effects.fallingBlocks.empty());
    // The aim prop on an exploded block is released like any other.
    EXPECT_TRUE(game.props.aimLineOn);
    EXPECT_EQ(game.props.propsOnBoard, 0);
    EXPECT_EQ(game.props.bombShots, 0);
    EXPECT_EQ(game.props.infectionShots, 1) << "a bomb landing leaves the infection armed";
}

TEST_F(PropEffectsTest, ABombCuttingTheOnlyHoldDropsTheClusterForPoints) {
    game.props.bombShots = 1;
    // The bomb lands in (3, 0) and takes (2, 0) and (2, 1); the cluster under
    // (1, 1) hung from (2, 0) alone. (5, 0) is out of reach.
    Land(". . 1 2 . 3\n. 3 4\n. 6 7\n. 1s\n", 3, 0);
    EXPECT_EQ(Colours(), ". . . . . 3 . . . . . .\n");
    EXPECT_EQ(game.score.total, 4 * 10) << "the four dropped blocks, none of the exploded";
    EXPECT_EQ(game.score.level, 40);
    EXPECT_EQ(game.effects.fallingBlocks.size(), 4u);
    EXPECT_EQ(game.effects.bombBursts.size(), 1u);
    EXPECT_TRUE(game.effects.removals.empty());
    EXPECT_EQ(game.props.speedMode, SpeedMode::Slow) << "the dropped slow prop takes effect";
    EXPECT_EQ(game.gameState, GameState::Playing);
}

TEST_F(PropEffectsTest, ABombClearingTheBoardPassesTheLevel) {
    game.props.bombShots = 1;
    Land("1 2 3\n", 1, 0);
    EXPECT_EQ(Blocks(), 0);
    EXPECT_EQ(game.gameState, GameState::PassBanner);
}

TEST_F(PropEffectsTest, AnInfectionRecoloursEveryNeighbourAndTheNewColourMatchesLater) {
    game.props.infectionShots = 1;
    // (1, 1) is shifted: its upper-left (1, 0) is infected already, its
    // upper-right (2, 0) carries an aim prop; left and right are empty.
    Land("3 4~ 5a 6\n. 2\n", 1, 1);
    EXPECT_EQ(Colours(), "3 2 2 6 . . . . . . . .\n. 2 . . . . . . . . . .\n");
    const std::pair<int, int> infected[] = {{1, 0}, {2, 0}};
    for (auto [col, row] : infected) {
        EXPECT_EQ(At(col, row).kind, 2) << col;
        EXPECT_EQ(At(col, row).animation.state, AnimState::Hit) << col;
        EXPECT_EQ(At(col, row).animation.colour, 2) << col;
    }
    EXPECT_EQ(At(1, 1).kind, 1) << "the landed block stays a normal block";
    EXPECT_EQ(At(1, 1).animation.state, AnimState::Hit);
    EXPECT_EQ(At(0, 0).animation.state, AnimState::Normal);
    EXPECT_EQ(At(3, 0).animation.state, AnimState::Normal);
    EXPECT_EQ(At(2, 0).prop, PropKind::Aim) << "the prop rides on";
    EXPECT_EQ(game.score.total, 0);
    EXPECT_TRUE(game.effects.removals.empty());
    EXPECT_EQ(game.props.infectionShots, 0);
    EXPECT_EQ(game.props.bombShots, -1);

    // The shaken blocks settle back into their new colour.
    UpdateBoard(game.board, game.blocks, game.effects, 1.0f);
    EXPECT_EQ(At(1, 0).animation.state, AnimState::Normal);
    EXPECT_EQ(At(1, 0).animation.colour, 2);

    // A 2 beside them makes a group of four by the new colour.
    Settle(0, 1, 2);
    EXPECT_EQ(Colours(), "3 . . 6 . . . . . . . .\n");
    EXPECT_EQ(game.score.total, 40);
    EXPECT_TRUE(game.props.aimLineOn);
}

TEST_F(PropEffectsTest, AStarOnAMatchedBlockSweepsItsColourBeforeTheDrop) {
    Land("1 1* 1 2 1 2 . 1\n3 . . 2 . 2 1\n. . . 1\n", 2, 0);
    EXPECT_EQ(Colours(),
              ". . . 2 . 2 . . . . . .\n"
              ". . . 2 . 2 . . . . . .\n");
    // 30 for the group, 40 for the four swept, 10 for the 3 that dropped.
    EXPECT_EQ(game.score.total, 80);
    EXPECT_EQ(game.score.level, 80);
    EXPECT_EQ(game.effects.removals.size(), 3u + 4u);
    EXPECT_EQ(game.effects.fallingBlocks.size(), 1u);
    EXPECT_EQ(Flagged(), "1");
    EXPECT_EQ(game.props.propsOnBoard, 0);
}

TEST_F(PropEffectsTest, AStarSweepsWhenABombDropsItButNotWhenAMatchDoes) {
    // A match: the star under the group drops after the sweep, too late.
    Land("1 1 1 . 3\n2* . . 2\n", 2, 0);
    EXPECT_EQ(Colours(), ". . . . 3 . . . . . . .\n. . . 2 . . . . . . . .\n");
    EXPECT_EQ(game.score.total, 30 + 10);
    EXPECT_EQ(Flagged(), "2") << "flagged, but only after the sweep";

    // A bomb: the explosion's own drop comes before the sweep.
    ClearEffects(game.effects);
    game.score = Score{};
    game.props = PropState{};
    game.props.bombShots = 1;
    Land(". . 1 2 . 3\n. 4 . . . 2\n. 2*\n", 3, 0);
    EXPECT_EQ(Colours(), ". . . . . 3 . . . . . .\n");
    EXPECT_EQ(game.score.total, 2 * 10 + 10) << "two dropped, one swept";
    EXPECT_EQ(game.effects.fallingBlocks.size(), 2u);
    EXPECT_EQ(game.effects.removals.size(), 1u);
}

TEST_F(PropEffectsTest, TwoStarsSweepTwoColoursInOnePass) {
    game.props.bombShots = 1;
    // The bomb in (1, 0) takes both stars, on a 3 and on a 5.
    Land("3* 2 5* 4 3 5 3\n4 4 . 4 5 3\n", 1, 0);
    EXPECT_EQ(Colours(),
              ". . . 4 . . . . . . . .\n"
              ". . . 4 . . . . . . . .\n");
    EXPECT_EQ(Flagged(), "35");
    EXPECT_EQ(game.score.total, 5 * 10);
    EXPECT_EQ(game.effects.removals.size(), 5u);
    EXPECT_EQ(game.props.propsOnBoard, 0);
}

TEST_F(PropEffectsTest, PropsTakenByTheSweepTakeEffectButAStarFlagsNothing) {
    // The group's star sweeps colour 1: a bomb, a fast prop and another star
    // ride on swept 1s; the 4 with a star is out of the sweep.
    Land("1* 1 1 . 1b 3 1f\n. . . . 1* 4*\n", 0, 0);
    EXPECT_EQ(Flagged(), "1") << "the swept star flags no more";
    EXPECT_EQ(game.props.bombShots, 1) << "the swept bomb arms";
    EXPECT_EQ(game.props.speedMode, SpeedMode::Fast);
    EXPECT_EQ(game.props.speedTimer, 7.5f);
    EXPECT_EQ(game.props.propsOnBoard, 1);
    EXPECT_EQ(At(5, 1).prop, PropKind::Star);
    EXPECT_EQ(game.score.total, 30 + 3 * 10);
}

}  // namespace
