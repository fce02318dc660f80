// Where a flying block stops and settles, on the game's own grid: 12 columns
// 36 pixels apart from x 53 (shifted rows from x 71), rows 31.176914 apart
// from y 48; the row-0 centre line is at 48 and the bottom line at 453.
#include "board/collision.h"
#include "board/landing.h"
#include "play_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class CollisionTest : public PlayFixture {};

TEST_F(CollisionTest, TheSixtyDegreeFactorsAreTheSinglePrecisionSineAndCosine) {
    const double angle = static_cast<float>(1.0471975803375244);
    EXPECT_EQ(kCos60, static_cast<float>(std::cos(angle)));
    EXPECT_EQ(kSin60, static_cast<float>(std::sin(angle)));
}

TEST_F(CollisionTest, ABlockAtTheRowZeroCentreLineSettlesInRowZero) {
    Arrive(100.0f, 48.0f, 3);  // column (100 - 35 - 18) / 36 = 1
    EXPECT_FALSE(game.flying.inFlight);
    EXPECT_EQ(Colours(), ". 3 . . . . . . . . . .\n");
    EXPECT_EQ(At(1, 0).x, 89.0f);
    EXPECT_EQ(At(1, 0).y, 48.0f);
    EXPECT_EQ(At(1, 0).kind, 1);
}

TEST_F(CollisionTest, ABlockAHairBelowTheCentreLineIsOnlyTestedForContact) {
    Arrive(100.0f, std::nextafter(48.0f, 100.0f), 3);
    EXPECT_TRUE(game.flying.inFlight);
    EXPECT_EQ(Blocks(), 0);
}

TEST_F(CollisionTest, AnOccupiedEntryCellStepsOneColumnRight) {
    Lay(". 1\n");
    Arrive(100.0f, 40.0f, 2);
    EXPECT_EQ(Colours(), ". 1 2 . . . . . . . . .\n");
}

TEST_F(CollisionTest, ContactCountsAtExactlyBlockWidth) {
    Lay(". . . . . 1\n");  // (5, 0) at (233, 48)
    Arrive(233.0f, std::nextafter(84.0f, 100.0f), 2);
    EXPECT_TRUE(game.flying.inFlight) << "a hair beyond 36 pixels is no contact";
    Arrive(233.0f, 84.0f, 2);
    EXPECT_FALSE(game.flying.inFlight);
    EXPECT_EQ(Blocks(), 2);
}

// Rising under the centre of the block in (5, 0): left of it settles
// lower-left, right of it lower-right, and exactly under it the tie keeps
// lower-left. The flying block's position is cut to whole pixels first.
TEST_F(CollisionTest, UnderABlockTheSideDecidesAndATieGoesLowerLeft) {
    const struct {
        float x;
        int col;
    } cases[] = {{232.0f, 4}, {233.0f, 4}, {233.9f, 4}, {234.0f, 5}};
    for (const auto& c : cases) {
        Lay(". . . . . 1\n");
        Arrive(c.x, 80.0f, 2);
        EXPECT_EQ(At(c.col, 1).colour, 2) << "x " << c.x;
        EXPECT_EQ(At(c.col, 1).shifted, 1) << "x " << c.x;
        EXPECT_EQ(Blocks(), 2) << "x " << c.x;
    }
}

TEST_F(CollisionTest, LeftOfABlockInColumnZeroTheShotIsLost) {
    // (0, 1) is a shifted cell at (71, 79.18); met from the wall at its own
    // height, its left candidate is nearest and there is no column -1.
    Lay(". 1 1\n2 1\n");
    const std::string before = Colours();
    game.props.bombShots = 0;
    Arrive(53.0f, 85.0f, 3);
    EXPECT_FALSE(game.flying.inFlight);
    EXPECT_EQ(Colours(), before);
    EXPECT_EQ(game.props.bombShots, 0) << "no landing was resolved";
    EXPECT_EQ(At(0, 1).animation.state, AnimState::Normal);
    EXPECT_EQ(game.gameState, GameState::Playing);
}

TEST_F(CollisionTest, RightOfABlockInTheLastColumnTheShotIsLost) {
    // (11, 2) is a plain cell at (449, 110.35); met from the right wall at
    // its own height, its right candidate is nearest and there is no column
    // 12.
    Lay(". . . . . . . . . . 1 1\n. . . . . . . . . . 1 .\n. . . . . . . . . . . 2\n");
    const std::string before = Colours();
    Arrive(467.0f, 112.0f, 3);
    EXPECT_FALSE(game.flying.inFlight);
    EXPECT_EQ(Colours(), before);
}

TEST_F(CollisionTest, TouchingTheLastRowFromBelowFailsTheLevel) {
    std::string rows;
    for (int row = 0; row < 14; ++row) {
        rows += ". . . . . 1\n";
    }
    Lay(rows);
    const Cell& last = At(5, 13);  // shifted: (251, 453.3)
    Arrive(last.x, last.y + 10.0f, 2);
    EXPECT_EQ(game.gameState, GameState::FailBanner);
    EXPECT_EQ(game.bannerKind, GameState::FailBanner);
    EXPECT_EQ(Blocks(), 14) << "the block is not placed";
}

TEST_F(CollisionTest, SettlingMoreThanAPixelBelowTheBottomLineFailsTheLevel) {
    // The ceiling has brought the field down one row: row 12 now lies at
    // 48 + 13 pitches = 453.3, 0.3 below the bottom line (kept), row 13 at
    // 484.5 (lost).
    const struct {
        int blockRow;
        bool lost;
    } cases[] = {{11, false}, {12, true}};
    for (const auto& c : cases) {
        game.gameState = GameState::Playing;
        game.board.BoardOriginY = 30.0f;
        std::string rows;
        for (int row = 0; row <= c.blockRow; ++row) {
            rows += ". . . . . 1\n";
        }
        Lay(rows);
        game.board.BoardOriginY = 30.0f + game.board.rowPitch;
        for (int row = 0; row < 14; ++row) {
            for (int col = 0; col < 12; ++col) {
                PlaceCell(game.board, col, row, row % 2);
            }
        }
        const Cell& lowest = At(5, c.blockRow);
        Arrive(lowest.x + 1.0f, lowest.y + 20.0f, 2);
        EXPECT_EQ(game.gameState, c.lost ? GameState::FailBanner : GameState::Playing)
            << "below row " << c.blockRow;
        EXPECT_EQ(Blocks(), c.blockRow + (c.lost ? 1 : 2)) << "below row " << c.blockRow;
    }
}

TEST_F(CollisionTest, AfterTheFieldMovedDownABlockEntersAtTheMovedRowZeroHeight) {
    game.board.BoardOriginY = 30.0f + 2 * game.board.rowPitch;
    const float top = 18.0f + game.board.BoardOriginY;
    Arrive(300.0f, top + 0.5f, 4);
    EXPECT_TRUE(game.flying.inFlight);
    Arrive(300.0f, top, 4);
    EXPECT_EQ(At(6, 0).colour, 4);
    EXPECT_EQ(At(6, 0).y, top);
}

// A shot rising to the left can reach a row-0 block and the block below-left
// of it in the same frame. The scan meets the upper block first, and its
// nearest candidate is the very cell of the lower block: that block stays,
// and the shot takes the next nearest free candidate.
TEST_F(CollisionTest, ATakenSettlingCellIsNeverOverwritten) {
    Lay(". . . . . 1\n. . . . 2\n");  // (5, 0) at (233, 48); (4, 1) at (215, 79.18)
    Arrive(232.0f, 81.5f, 3);
    EXPECT_EQ(Colours(),
              ". . . . . 1 . . . . . .\n"
              ". . . . 2 3 . . . . . .\n");
    EXPECT_EQ(At(4, 1).animation.state, AnimState::Hit) << "the lower block is still there";
    EXPECT_EQ(At(5, 1).x, 251.0f);
}

TEST_F(CollisionTest, WithNoRoomAroundTheBlockMetTheShotSnapsAroundTheOneInTheWay) {
    // Every candidate around (5, 0) is taken; the nearest is (4, 1), and
    // around it the shot goes to its free lower-right, under (5, 0).
    Lay(". . . . 1 1 1\n. . . . 2 2\n");
    Arrive(232.0f, 81.5f, 3);
    EXPECT_EQ(Colours(),
              ". . . . 1 1 1 . . . . .\n"
              ". . . . 2 2 . . . . . .\n"
              ". . . . . 3 . . . . . .\n");
    EXPECT_EQ(At(5, 2).x, 233.0f);
    EXPECT_EQ(At(5, 2).shifted, 0);
}

// Row-0 entries where the cell under the block and the one right of it are
// both taken, or the cell under it is the last column: the block settles in
// the nearest empty cell of row 0, ties to the left; never outside the grid
// or over a block.
TEST_F(CollisionTest, ABlockedRowZeroEntryTakesTheNearestEmptyCell) {
    const struct {
        const char* row;
        float x;
        const char* expected;
    } cases[] = {
        {". 1 1 . . . . . . . . .", 100.0f, "4 1 1 . . . . . . . . ."},
        // 125 is 72 from both column 0 and column 4.
        {". 1 1 1 . . . . . . . .", 125.0f, "4 1 1 1 . . . . . . . ."},
        {"1 1 1 1 1 1 1 1 1 . 1 1", 467.0f, "1 1 1 1 1 1 1 1 1 4 1 1"},
        {". . . . . . . . . . . 1", 467.0f, ". . . . . . . . . . 4 1"},
    };
    for (const auto& c : cases) {
        Lay(std::string(c.row) + "\n");
        Arrive(c.x, 40.0f, 4);
        EXPECT_EQ(Colours(), std::string(c.expected) + "\n") << c.row << " at " << c.x;
    }
}

TEST_F(CollisionTest, WithRowZeroFullABlockAtTheTopSnapsAroundTheBlockItMeets) {
    Lay("1 1 1 1 1 1 1 1 1 1 1 1\n");
    Arrive(100.0f, 47.0f, 4);  // meets (1, 0) at (89, 48): right is taken
    EXPECT_EQ(Colours(),
              "1 1 1 1 1 1 1 1 1 1 1 1\n"
              ". 4 . . . . . . . . . .\n");
    EXPECT_FALSE(game.flying.inFlight);
}

}  // namespace
