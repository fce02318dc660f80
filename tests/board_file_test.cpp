// Board files of the replay tool: what a layout puts in the cells, and the
// messages for a malformed file.
#include "replay/board_file.h"
#include "block_fixture.h"
#include "game/game.h"

#include <gtest/gtest.h>

namespace {

class BoardFileTest : public BlockFixture {
protected:
    void SetUp() override {
        BlockFixture::SetUp();
        game.hge = hge;
        game.blocks = std::move(blocks);
        ConfigureBoard(game.board, {4, 5, 20, 20, 0, 0.0f}, "test");
        game.board.BoardOriginY = 0.0f;
    }
    void TearDown() override {
        game = Game{};
        BlockFixture::TearDown();
    }

    Game game;
};

TEST_F(BoardFileTest, LayoutFillsTheCellsAndEmptiesTheRest) {
    // Leftovers a layout must replace: a full board with props.
    for (int row = 0; row < 5; ++row) {
        FillRow(game.board, game.blocks, *hge, row, 1 - row % 2, 7);
        game.board.At(0, row).prop = 2;
    }
    BoardFile file;
    std::string error;
    ASSERT_TRUE(
        ParseBoardFile("# a comment line\n"
                       "1 2f 3~ 4a~\n"
                       "\n"
                       ". 7* 5 .\r\n"
                       "6b 6~i\n",
                       "layout.txt", file, error))
        << error;
    ASSERT_TRUE(ApplyBoardFile(file, game, error)) << error;

    const int colours[5][4] = {{1, 2, 3, 4}, {0, 7, 5, 0}, {6, 6, 0, 0}, {}, {}};
    const int kinds[5][4] = {{1, 1, 2, 2}, {0, 1, 1, 0}, {1, 2, 0, 0}, {}, {}};
    const int props[5][4] = {{0, 1, 0, 3}, {0, 6, 0, 0}, {4, 5, 0, 0}, {}, {}};
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 4; ++col) {
            const Cell& cell = game.board.At(col, row);
            SCOPED_TRACE(testing::Message() << "cell " << col << "," << row);
            EXPECT_EQ(cell.colour, colours[row][col]);
            EXPECT_EQ(cell.kind, kinds[row][col]);
            EXPECT_EQ(cell.prop, props[row][col]);
            EXPECT_EQ(cell.shifted, row % 2);
            EXPECT_EQ(cell.x, 10.0f + 20.0f * col + (row % 2 ? 10.0f : 0.0f));
            EXPECT_EQ(cell.animation.state,
                      colours[row][col] ? AnimState::Normal : AnimState::None);
            EXPECT_EQ(cell.animation.colour, colours[row][col]);
        }
    }
    EXPECT_EQ(game.props.propsOnBoard, 5);
}

TEST_F(BoardFileTest, MalformedFilesNameTheFileAndLine) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"1 2 3\n1 8\n", "layout.txt:2: bad cell `8`"},
        {"1 2x\n", "layout.txt:1: bad cell `2x`"},
        {"1 ~2\n", "layout.txt:1: bad cell `~2`"},
        {"1 2~a~\n", "layout.txt:1: bad cell `2~a~`"},
        {"1 2ff\n", "layout.txt:1: bad cell `2ff`"},
        {"0\n", "layout.txt:1: bad cell `0`"},
    };
    for (const Case& c : cases) {
        BoardFile file;
        std::string error;
        EXPECT_FALSE(ParseBoardFile(c.text, "layout.txt", file, error)) << c.text;
        EXPECT_EQ(error.rfind(c.message, 0), 0u) << error;
    }

    // Too wide or too tall for the grid: reported, the board left alone.
    FillRow(game.board, game.blocks, *hge, 0, 0, 1);
    const struct {
        const char* text;
        const char* message;
    } tooBig[] = {
        {"1 1 1 1\n\n1 1 1 1 1\n", "layout.txt:3: the row has 5 cells"},
        {"1\n1\n1\n1\n1\n# six rows\n1\n", "layout.txt:7: the grid has only 5 rows"},
    };
    for (const auto& c : tooBig) {
        BoardFile file;
        std::string error;
        ASSERT_TRUE(ParseBoardFile(c.text, "layout.txt", file, error)) << error;
        EXPECT_FALSE(ApplyBoardFile(file, game, error));
        EXPECT_EQ(error.rfind(c.message, 0), 0u) << error;
        EXPECT_EQ(game.board.At(3, 0).colour, 1);
    }

    BoardFile file;
    std::string error;
    EXPECT_FALSE(LoadBoardFile("/nonexistent/board.txt", file, error));
    EXPECT_NE(error.find("/nonexistent/board.txt"), std::string::npos) << error;
}

}  // namespace
