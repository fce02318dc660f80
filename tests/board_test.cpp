// The board: its geometry read from script/block_config.luac, the neighbour
// rule, the cells' animations through a frame, and the column-major drawing.
#include "board/board.h"
#include "block_fixture.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class BoardTest : public BlockFixture {
protected:
    // Reads a block_config script with the given body from a fresh game folder.
    void LoadConfig(const std::string& body) {
        folder.Write("script/block_config.luac", body);
        hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
        LoadBoardConfig(board);
    }

    TempFolder folder;
    Board board;
    Effects effects;
};

TEST_F(BoardTest, GeometryFollowsTheScriptInItsPrecisions) {
    LoadConfig(
        "block_numx = 10 block_numy = 12 block_width = 31 block_height = 30\n"
        "block_offectx = 20.9 block_offecty = 40.7\n");
    EXPECT_EQ(board.numx, 10);
    EXPECT_EQ(board.numy, 12);
    EXPECT_EQ(board.offsetX, 20);
    EXPECT_EQ(board.halfWidth, 15);  // 31 / 2
    EXPECT_EQ(board.halfHeight, 15);
    EXPECT_EQ(board.rowPitch, 25.980762f);
    // 1.7320508 × 0.5 × 11 × 30 + 40.7 + 15 = 341.49, the fraction of 40.7 kept.
    EXPECT_EQ(board.bottomLine, 341);
    EXPECT_EQ(board.BoardOriginY, 40.7f);
    // The clip rectangle: 31 × 10 + 15 wide, 30 + 12 × 25.980762 high, at the
    // truncated offsets.
    EXPECT_EQ(board.clipX, 20);
    EXPECT_EQ(board.clipY, 40);
    EXPECT_EQ(board.clipWidth, 325);
    EXPECT_EQ(board.clipHeight, 341);
    EXPECT_EQ(board.wallLeft, 35);
    EXPECT_EQ(board.wallRight, 330);
    ASSERT_EQ(board.cells.size(), 120u);

    // A shifted cell sits 15 pixels right of a plain one; rows are one pitch
    // apart from the current origin.
    board.BoardOriginY = 40.0f;
    EXPECT_EQ(CellX(board, 0, 0), 35.0f);
    EXPECT_EQ(CellX(board, 0, 1), 50.0f);
    EXPECT_EQ(CellX(board, 3, 1), 35.0f + 93.0f + 15.0f);
    EXPECT_EQ(CellY(board, 0), 55.0f);
    EXPECT_EQ(CellY(board, 2), 55.0f + 2 * 25.980762f);
}

TEST_F(BoardTest, UnusableSizesAreClampedAndReported) {
    testing::internal::CaptureStderr();
    LoadConfig("block_numx = 0 block_numy = -3 block_width = -31\n");  // no block_height
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_EQ(board.numx, 1);
    EXPECT_EQ(board.numy, 1);
    EXPECT_EQ(board.blockWidth, 1);
    EXPECT_EQ(board.blockHeight, 1);
    EXPECT_EQ(board.cells.size(), 1u);
    EXPECT_NE(messages.find("block_numx 0"), std::string::npos) << messages;
    EXPECT_NE(messages.find("block_numy -3"), std::string::npos) << messages;
    EXPECT_NE(messages.find("block_width -31"), std::string::npos) << messages;
    EXPECT_NE(messages.find("block_config.luac"), std::string::npos) << messages;
}

TEST_F(BoardTest, MissingScriptStillGivesAGrid) {
    testing::internal::CaptureStderr();
    hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
    LoadBoardConfig(board);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(board.cells.size(), 1u);
    EXPECT_EQ(board.BoardOriginY, 0.0f);
}

using Neighbours = std::vector<std::pair<int, int>>;

struct NeighbourCase {
    int col, row, shifted;
    Neighbours expected;  // in visiting order
};

TEST_F(BoardTest, NeighboursFollowTheCellsOwnFlagInTheFixedOrder) {
    ConfigureBoard(board, {4, 4, 10, 10, 0, 0.0f}, "test");
    const NeighbourCase cases[] = {
        // left, right, upper-left, upper-right, lower-left, lower-right
        {1, 1, 0, {{0, 1}, {2, 1}, {0, 0}, {1, 0}, {0, 2}, {1, 2}}},
        {1, 1, 1, {{0, 1}, {2, 1}, {1, 0}, {2, 0}, {1, 2}, {2, 2}}},
        {0, 0, 0, {{1, 0}, {0, 1}}},
        {3, 0, 1, {{2, 0}, {3, 1}}},
        {3, 3, 1, {{2, 3}, {3, 2}}},
        {0, 2, 0, {{1, 2}, {0, 1}, {0, 3}}},
    };
    for (const NeighbourCase& c : cases) {
        board.At(c.col, c.row).shifted = c.shifted;
        Neighbours seen;
        ForEachNeighbour(board, c.col, c.row, [&](int col, int row) {
            seen.push_back({col, row});
        });
        EXPECT_EQ(seen, c.expected) << "cell " << c.col << "," << c.row << " shifted " << c.shifted;
    }
}

TEST_F(BoardTest, ResetEmptiesEveryCellAndEffectAndStaggersTheRows) {
    ConfigureBoard(board, {3, 4, 10, 10, 5, 0.0f}, "test");
    FillRow(board, blocks, *hge, 2, 1, 7);
    board.At(1, 2).prop = 4;
    SpawnRemoval(effects, blocks, 1, 0, 0);
    SpawnFallingBlock(effects, blocks, 2, 0, 0);
    SpawnBombBurst(effects, blocks, 0, 0);
    board.BoardOriginY = 20.0f;
    ResetBoard(board, blocks, effects);
    for (int row = 0; row < board.numy; ++row) {
        for (int col = 0; col < board.numx; ++col) {
            const Cell& cell = board.At(col, row);
            EXPECT_EQ(cell.colour, 0);
            EXPECT_EQ(cell.kind, 0);
            EXPECT_EQ(cell.prop, 0);
            EXPECT_EQ(cell.animation.state, AnimState::None);
            EXPECT_EQ(cell.animation.animation, nullptr);
            EXPECT_EQ(cell.shifted, row % 2);
            EXPECT_EQ(cell.y, 25.0f + row * board.rowPitch);
        }
    }
    EXPECT_TRUE(effects.removals.empty());
    EXPECT_TRUE(effects.fallingBlocks.empty());
    EXPECT_TRUE(effects.bombBursts.empty());
}

TEST_F(BoardTest, FillRowNeverWritesOutsideTheGridOrTheColours) {
    ConfigureBoard(board, {5, 2, 10, 10, 0, 0.0f}, "test");
    ResetBoard(board, blocks, effects);
    testing::internal::CaptureStderr();
    FillRow(board, blocks, *hge, 2, 0, 3);   // no row 2
    FillRow(board, blocks, *hge, -1, 0, 3);  // no row -1
    FillRow(board, blocks, *hge, 1, 1, 0);   // no colours: colour 1
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find("no row 2"), std::string::npos) << messages;
    EXPECT_NE(messages.find("getBlockNum 0"), std::string::npos) << messages;
    for (int col = 0; col < board.numx; ++col) {
        EXPECT_EQ(board.At(col, 0).kind, 0);
        EXPECT_EQ(board.At(col, 1).colour, 1);
        EXPECT_EQ(board.At(col, 1).shifted, 1);
        EXPECT_EQ(board.At(col, 1).animation.state, AnimState::Normal);
    }
}

TEST_F(BoardTest, SettingHitAgainRestartsItAndZeroReleases) {
    AnimationHolder holder;
    SetCellAnimation(blocks, holder, AnimState::Hit, 3);
    holder.animation->Update(0.15f);
    ASSERT_EQ(holder.animation->GetFrame(), 1);
    SetCellAnimation(blocks, holder, AnimState::Hit, 3);
    EXPECT_EQ(holder.animation->GetFrame(), 0);
    EXPECT_TRUE(holder.animation->IsPlaying());
    EXPECT_EQ(holder.state, AnimState::Hit);
    EXPECT_EQ(holder.colour, 3);

    SetCellAnimation(blocks, holder, AnimState::Normal, 0);
    EXPECT_EQ(holder.animation, nullptr);
    EXPECT_EQ(holder.state, AnimState::None);
    EXPECT_EQ(holder.colour, 0);

    EXPECT_EQ(FallAnimationFor(blocks, 8), blocks.bomb.get());
    EXPECT_EQ(FallAnimationFor(blocks, 5), blocks.normal[4].get());
    EXPECT_EQ(RemovalAnimationFor(blocks, 7), blocks.remove[6].get());
    EXPECT_EQ(FallAnimationFor(blocks, 9), nullptr);
}

TEST_F(BoardTest, AFinishedHitTurnsNormalInTheSameUpdateAndNormalKeepsLooping) {
    ConfigureBoard(board, {2, 1, 10, 10, 0, 0.0f}, "test");
    ResetBoard(board, blocks, effects);
    board.At(0, 0).colour = 4;
    SetCellAnimation(blocks, board.At(0, 0).animation, AnimState::Hit, 4);
    board.At(1, 0).colour = 2;
    SetCellAnimation(blocks, board.At(1, 0).animation, AnimState::Normal, 2);

    UpdateBoard(board, blocks, effects, 0.25f);  // the three-frame Hit is still on
    EXPECT_EQ(board.At(0, 0).animation.state, AnimState::Hit);
    UpdateBoard(board, blocks, effects, 0.1f);  // its last frame is used up
    const AnimationHolder& done = board.At(0, 0).animation;
    EXPECT_EQ(done.state, AnimState::Normal);
    EXPECT_EQ(done.colour, 4);
    EXPECT_TRUE(done.animation->IsPlaying());
    EXPECT_EQ(done.animation->GetFrame(), 0);

    for (int i = 0; i < 20; ++i) {
        UpdateBoard(board, blocks, effects, 0.1f);
    }
    EXPECT_EQ(board.At(1, 0).animation.state, AnimState::Normal);
    EXPECT_TRUE(board.At(1, 0).animation.animation->IsPlaying());
}

TEST_F(BoardTest, DrawsColumnByColumnWithPropIconsOnTop) {
    // 4-pixel cells under 8-pixel pictures, so neighbours overlap.
    ConfigureBoard(board, {2, 2, 4, 4, 0, 0.0f}, "test");
    ResetBoard(board, blocks, effects);
    // (1, 0) draws at (6, 2); the shifted (0, 1) at (4, 5), truncated from 5.46.
    Cell& upperRight = board.At(1, 0);
    upperRight.colour = 1;
    SetCellAnimation(blocks, upperRight.animation, AnimState::Normal, 1);
    Cell& lowerLeft = board.At(0, 1);
    lowerLeft.colour = 2;
    SetCellAnimation(blocks, lowerLeft.animation, AnimState::Normal, 2);
    lowerLeft.prop = 3;
    auto icon = std::make_unique<hgeAnimation>(SolidTexture(2, 2, kBombPixel), 1, 1.0f, 0.0f, 0.0f,
                                               2.0f, 2.0f);
    PropIcons icons{};
    icons[2] = icon.get();

    BeginFrame();
    RenderBoard(board, effects, icons);
    hge->Gfx_EndScene();
    // Column 1 is drawn after column 0, so it covers the overlap.
    EXPECT_EQ(Pixel(8, 7), kColourPixel[0]);
    EXPECT_EQ(Pixel(5, 11), kColourPixel[1]);
    // The aim icon at the lower-left cell's whole-pixel point.
    EXPECT_EQ(Pixel(4, 5), kBombPixel);
    EXPECT_EQ(Pixel(5, 6), kBombPixel);
    EXPECT_EQ(Pixel(5, 7), kColourPixel[1]);
}

}  // namespace
