// What a landing does: the group of the settled block's colour is counted,
// three or more leave with their removal animations and 10 points each,
// blocks no longer held from row 0 drop for 10 points each, a cleared board
// with no rows to come passes the level, and a smaller group shakes.
#include "board/landing.h"
#include "board/dropping.h"
#include "play_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

class LandingTest : public PlayFixture {
protected:
    // The block in (col, row) has just settled: the board is laid out with
    // it, then its landing is resolved.
    void Land(const std::string& rows, int col, int row) {
        Lay(rows);
        ResolveLanding(game, col, row);
    }
};

TEST_F(LandingTest, AGroupOfExactlyThreeIsRemovedForThirty) {
    game.shooter.current = 1;
    game.shooter.next = 1;
    // The infected middle block matches by its colour.
    Land("1 1~ 1 2\n", 2, 0);
    EXPECT_EQ(Colours(), ". . . 2 . . . . . . . .\n");
    EXPECT_EQ(game.score.total, 30);
    EXPECT_EQ(game.score.level, 30);
    EXPECT_EQ(game.effects.removals.size(), 3u);
    EXPECT_TRUE(game.effects.fallingBlocks.empty());
    EXPECT_EQ(game.gameState, GameState::Playing);
    // Colour 1 has left the board: both shooter colours are refreshed to the
    // one colour left.
    EXPECT_EQ(game.shooter.current, 2);
    EXPECT_EQ(game.shooter.next, 2);
}

TEST_F(LandingTest, AGroupOfTwoShakesTheBlockAndItsNeighbours) {
    game.shooter.current = 5;  // not on the board, and a shake does not refresh it
    Land("3 1 1 2\n4 . 2 . 6\n", 1, 0);
    EXPECT_EQ(Colours(), "3 1 1 2 . . . . . . . .\n4 . 2 . 6 . . . . . . .\n");
    EXPECT_EQ(game.score.total, 0);
    EXPECT_TRUE(game.effects.removals.empty());
    // (1, 0) and its occupied neighbours: left (0, 0), right (2, 0),
    // lower-left (0, 1); its lower-right (1, 1) is empty.
    const std::pair<int, int> shaken[] = {{1, 0}, {0, 0}, {2, 0}, {0, 1}};
    for (auto [col, row] : shaken) {
        EXPECT_EQ(At(col, row).animation.state, AnimState::Hit) << col << "," << row;
        EXPECT_EQ(At(col, row).animation.colour, At(col, row).colour) << col << "," << row;
    }
    const std::pair<int, int> still[] = {{3, 0}, {2, 1}, {4, 1}};
    for (auto [col, row] : still) {
        EXPECT_EQ(At(col, row).animation.state, AnimState::Normal) << col << "," << row;
    }
    EXPECT_EQ(game.shooter.current, 5);
    // Both armed-shot counters are taken one off by every landing.
    EXPECT_EQ(game.props.bombShots, -1);
    EXPECT_EQ(game.props.infectionShots, -1);
}

TEST_F(LandingTest, AGroupLinkedOnlyThroughTheRowAboveIsFound) {
    // (1, 1) is shifted: its upper-left is (1, 0) and upper-right (2, 0);
    // its own row and the row below hold no colour 1.
    Land("2 1 1 2\n2 1 2 2\n", 1, 1);
    EXPECT_EQ(Colours(),
              "2 . . 2 . . . . . . . .\n"
              "2 . 2 2 . . . . . . . .\n");
    EXPECT_EQ(game.score.total, 30);
    EXPECT_TRUE(game.effects.fallingBlocks.empty()) << "(2, 1) hangs from (3, 0)";
}

TEST_F(LandingTest, AHangingColumnDropsForTenABlock) {
    // Under (0, 0) hangs a column of three blocks, held only through the
    // row-0 group that the landing removes.
    Land("1 1 1 . 3\n2\n3\n2\n", 2, 0);
    EXPECT_EQ(Colours(), ". . . . 3 . . . . . . .\n");
    EXPECT_EQ(game.score.total, 30 + 3 * 10);
    EXPECT_EQ(game.score.level, 60);
    ASSERT_EQ(game.effects.fallingBlocks.size(), 3u);
    // They fall from where they hung, at the fall speed.
    EXPECT_EQ(game.effects.fallingBlocks[0].x, 71.0f);
    EXPECT_EQ(game.effects.fallingBlocks[0].y, 79.0f);
    EXPECT_EQ(game.effects.fallingBlocks[0].speed, 100.0f);
}

TEST_F(LandingTest, ABlockHeldOnlyDiagonallyFromAboveStays) {
    // (5, 1) is shifted: its upper-right (6, 0) holds it after (3..5, 0)
    // go; (2, 1) touches nothing but empty cells and falls.
    Land(". . . 1 1 1 2\n. . 4 . . 4\n", 4, 0);
    EXPECT_EQ(Colours(),
              ". . . . . . 2 . . . . .\n"
              ". . . . . 4 . . . . . .\n");
    EXPECT_EQ(game.score.total, 30 + 10);
}

TEST_F(LandingTest, ClearingTheBoardPassesOnlyWhenNoRowsAreToCome) {
    for (int needRemove : {0, -1, 1}) {
        game.gameState = GameState::Playing;
        game.level.needRemove = needRemove;
        Land(". 1 1 1\n. . . . 2\n", 1, 0);
        EXPECT_EQ(Blocks(), 0);
        EXPECT_EQ(game.gameState, needRemove > 0 ? GameState::Playing : GameState::PassBanner)
            << "NeedRemove " << needRemove;
    }
    EXPECT_EQ(game.bannerKind, GameState::PassBanner);
}

TEST_F(LandingTest, APropLeavesTheBoardWithItsBlock) {
    Land("1f 1 1 2s\n", 2, 0);
    EXPECT_EQ(At(0, 0).prop, 0);
    EXPECT_EQ(At(3, 0).prop, 2);  // the slow prop on the 2 stays
    EXPECT_EQ(game.props.propsOnBoard, 1);
}

TEST_F(LandingTest, AGroupAsLargeAsTheGridIsCountedWhole) {
    std::string rows;
    for (int row = 0; row < 14; ++row) {
        rows += "6 6 6 6 6 6 6 6 6 6 6 6\n";
    }
    Land(rows, 7, 13);
    EXPECT_EQ(Blocks(), 0);
    EXPECT_EQ(game.score.total, 12 * 14 * 10);
    EXPECT_EQ(game.effects.removals.size(), 168u);
}

TEST_F(LandingTest, MarkAttachedFollowsOccupiedCellsWhateverTheirColour) {
    Lay("1 . . 4\n2 . . 5\n. 3\n");
    MarkArray marks = MakeMarks(game.board);
    MarkAttached(game.board, marks, 0, 0);
    const Board& board = game.board;
    auto marked = [&](int col, int row) { return marks[row * board.numx + col] != 0; };
    EXPECT_TRUE(marked(0, 0));
    EXPECT_TRUE(marked(0, 1));  // (0, 1) is shifted: (0, 0) is its upper-left
    EXPECT_TRUE(marked(1, 2));  // (1, 2) is plain: upper-left (0, 1)
    EXPECT_FALSE(marked(3, 0));
    EXPECT_FALSE(marked(3, 1));
}

}  // namespace
