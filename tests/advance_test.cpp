// The board pressing down: new rows pushed in from the top while the level
// has rows to come, then the whole field lowered under its ceiling; the loss
// and win rules of each, and the timer that paces them.
#include "board/advance.h"
#include "play_fixture.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class AdvanceTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        folder.Write("script/block_function.luac", "function getBlockNum(n) return 3 end\n");
        hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
        game.level.current = 1;
    }

    std::vector<float> Ys() const {
        std::vector<float> ys;
        for (const Cell& cell : game.board.cells) {
            ys.push_back(cell.y);
        }
        return ys;
    }

    float pitch() const { return game.board.rowPitch; }

    TempFolder folder;
};

// The new row is staggered against the old row 0 as its first block sits.
TEST_F(AdvanceTest, ANewRowIsStaggeredAgainstTheOldTopRow) {
    const struct {
        const char* rows;
        int oldTopShift;  // the flag given to every row-0 cell
        int newShift;
    } cases[] = {
        {". . 1 2\n", 0, 1}, {". . 1 2\n", 1, 0}, {".\n3 3\n", 0, 0},  // row 0 holds no block
    };
    for (const auto& c : cases) {
        Lay(c.rows);
        for (int col = 0; col < 12; ++col) {
            PlaceCell(game.board, col, 0, c.oldTopShift);
        }
        const float oldX = At(2, 0).x;
        const float oldY = At(2, 0).y;
        const bool oldTopHeld = At(2, 0).colour != 0;
        game.level.needRemove = 2;
        AdvanceBoard(game);
        EXPECT_EQ(game.level.needRemove, 1);
        EXPECT_EQ(game.board.BoardOriginY, 30.0f) << "a pushed row leaves the field in place";
        for (int col = 0; col < 12; ++col) {
            EXPECT_EQ(At(col, 0).shifted, c.newShift) << c.rows << col;
            EXPECT_EQ(At(col, 0).kind, 1) << c.rows << col;
            EXPECT_GE(At(col, 0).colour, 1);
            EXPECT_LE(At(col, 0).colour, 3);
            EXPECT_EQ(At(col, 0).y, 48.0f);
        }
        if (oldTopHeld) {
            // The old row 0 is now row 1, its flag, x and colours kept.
            EXPECT_EQ(At(2, 1).colour, 1);
            EXPECT_EQ(At(3, 1).colour, 2);
            EXPECT_EQ(At(2, 1).shifted, c.oldTopShift);
            EXPECT_EQ(At(2, 1).x, oldX);
            EXPECT_EQ(At(2, 1).y, oldY + pitch());
        } else {
            EXPECT_EQ(At(0, 2).colour, 3);
            EXPECT_EQ(At(1, 2).colour, 3);
        }
    }
}

TEST_F(AdvanceTest, APushedInfectedBlockShakesAgainAndKeepsItsKindAndProp) {
    Lay("1 2~b\n");
    game.level.needRemove = 1;
    AdvanceBoard(game);
    EXPECT_EQ(At(1, 1).kind, 2);
    EXPECT_EQ(At(1, 1).colour, 2);
    EXPECT_EQ(At(1, 1).prop, 4);
    EXPECT_EQ(At(1, 1).animation.state, AnimState::Hit);
    EXPECT_EQ(At(0, 1).animation.state, AnimState::Normal);
    EXPECT_EQ(At(2, 1).colour, 0);
}

TEST_F(AdvanceTest, ABlockInTheLastRowLosesTheLevelBeforeAnythingMoves) {
    std::string rows;
    for (int row = 0; row < 14; ++row) {
        rows += "4\n";
    }
    Lay(rows);
    const std::string before = Colours();
    const std::vector<float> ys = Ys();
    game.level.needRemove = 3;
    AdvanceBoard(game);
    EXPECT_EQ(game.gameState, GameState::FailBanner);
    EXPECT_EQ(Colours(), before);
    for (size_t i = 0; i < ys.size(); ++i) {
        ASSERT_EQ(game.board.cells[i].y, ys[i] + pitch()) << "cell " << i;
    }
    EXPECT_EQ(game.board.BoardOriginY, 30.0f + pitch());
    EXPECT_EQ(game.level.needRemove, 0) << "so the ceiling shows";
}

TEST_F(AdvanceTest, InTheCeilingPhaseTheWholeFieldMovesDownOneRow) {
    Lay("1 1\n. 2\n");
    const std::vector<float> ys = Ys();
    game.level.needRemove = 0;
    AdvanceBoard(game);
    EXPECT_EQ(game.gameState, GameState::Playing);
    EXPECT_EQ(game.board.BoardOriginY, 30.0f + pitch());
    EXPECT_EQ(Colours(), "1 1 . . . . . . . . . .\n. 2 . . . . . . . . . .\n");
    for (size_t i = 0; i < ys.size(); ++i) {
        ASSERT_EQ(game.board.cells[i].y, ys[i] + pitch()) << "cell " << i;
    }
}

TEST_F(AdvanceTest, InTheCeilingPhaseABlockPushedBelowTheBottomLineLosesTheLevel) {
    // With the field one row down, row 12 lies at 453.3 (the bottom line is
    // 453); one more row takes it to 484.5.
    game.board.BoardOriginY = 30.0f + pitch();
    std::string rows;
    for (int row = 0; row <= 12; ++row) {
        rows += ". . . . . 5\n";
    }
    Lay(rows);
    const std::vector<float> ys = Ys();
    game.level.needRemove = 0;
    AdvanceBoard(game);
    EXPECT_EQ(game.gameState, GameState::FailBanner);
    // Rows are visited from the last up, columns from 0: the cells visited
    // before the failing block end two pitches lower, it and the rest one.
    const Board& board = game.board;
    for (int row = 0; row < 14; ++row) {
        for (int col = 0; col < 12; ++col) {
            const float y0 = ys[row * 12 + col];
            const bool visitedBefore = row == 13 || (row == 12 && col < 5);
            float expected = y0 + pitch();
            if (visitedBefore) {
                expected = expected + pitch();
            } else if (row == 12 && col == 5) {
                expected = y0 + pitch() - pitch() + pitch();
            }
            ASSERT_EQ(board.At(col, row).y, expected) << col << "," << row;
        }
    }
}

TEST_F(AdvanceTest, InTheCeilingPhaseAFieldAtTheBottomLineLosesAndAnEmptyOneWins) {
    const struct {
        float origin;
        const char* rows;
        int state;
    } cases[] = {
        // 453 <= origin + pitch - 1 = 454, with a block in row 0.
        {455.0f - 31.176914f, "1\n", GameState::FailBanner},
        {30.0f, "", GameState::PassBanner},
    };
    for (const auto& c : cases) {
        game.gameState = GameState::Playing;
        game.board.BoardOriginY = c.origin;
        Lay(c.rows);
        game.level.needRemove = 0;
        AdvanceBoard(game);
        EXPECT_EQ(game.gameState, c.state) << c.rows;
    }
}

TEST_F(AdvanceTest, ADueAdvanceWaitsForTheLandingAndComesOnce) {
    Lay("1 1 1 1 1 1 1 1 1 1 1 1\n");
    game.level.needRemove = 5;
    game.level.fallTime = 1.0f;
    game.flying.inFlight = true;
    float timer = 0.0f;
    for (int frame = 0; frame < 5; ++frame) {  // two intervals pass in flight
        UpdateBoardTimer(game, 0.4f);
        timer += 0.4f;
        if (timer >= 1.0f) {
            timer -= 1.0f;
        }
    }
    EXPECT_TRUE(game.level.advanceDue);
    EXPECT_EQ(game.level.fallTimer, timer);
    EXPECT_EQ(game.level.needRemove, 5) << "nothing advances while a block flies";

    game.flying.inFlight = false;
    UpdateBoardTimer(game, 0.1f);
    EXPECT_EQ(game.level.needRemove, 4);
    EXPECT_FALSE(game.level.advanceDue);
    UpdateBoardTimer(game, 0.1f);
    EXPECT_EQ(game.level.needRemove, 4) << "the carried remainder is less than an interval";
}

TEST_F(AdvanceTest, AnEmptyTopRowAdvancesAtOnceEvenInFlight) {
    game.level.needRemove = 1;
    game.level.fallTime = 100.0f;
    game.level.fallTimer = 50.0f;
    game.flying.inFlight = true;
    UpdateBoardTimer(game, 0.1f);
    EXPECT_EQ(game.level.needRemove, 0);
    EXPECT_EQ(game.level.fallTimer, 0.0f);
    EXPECT_EQ(Blocks(), 12);
    // A level with no rows and none to come is won in its first frame.
    Lay("");
    UpdateBoardTimer(game, 0.1f);
    EXPECT_EQ(game.gameState, GameState::PassBanner);
}

// A landing that cleared the board has already passed the level in this
// frame; the board timer that runs after it must not advance the empty board
// again, which near the bottom line would turn the won level into a lost one.
TEST_F(AdvanceTest, ALevelEndedByTheLandingIsNotAdvancedInTheSameFrame) {
    game.board.BoardOriginY = 455.0f - pitch();
    Lay("");
    game.level.needRemove = 0;
    game.gameState = GameState::PassBanner;
    UpdateBoardTimer(game, 0.1f);
    EXPECT_EQ(game.gameState, GameState::PassBanner);
    EXPECT_EQ(game.board.BoardOriginY, 455.0f - pitch());
}

}  // namespace
