// A fresh game on the offscreen engine for the rules of play: the game's own
// grid (12 columns of 36-pixel blocks in 14 rows at (35, 30)), hand-made
// block templates, boards laid out from text, and no sounds.
#pragma once

#include "block_fixture.h"
#include "board/collision.h"
#include "game/game.h"
#include "replay/board_file.h"

#include <gtest/gtest.h>

#include <string>

class PlayFixture : public BlockFixture {
protected:
    void SetUp() override {
        BlockFixture::SetUp();
        game.hge = hge;
        game.blocks = std::move(blocks);
        ConfigureBoard(game.board, {12, 14, 36, 36, 35, 30.0f}, "test");
        game.board.BoardOriginY = 30.0f;
        game.gameState = GameState::Playing;
    }
    void TearDown() override {
        game = Game{};
        BlockFixture::TearDown();
    }

    // Replaces the cells with a board file's layout (board_file.h).
    void Lay(const std::string& text) {
        BoardFile file;
        std::string error;
        ASSERT_TRUE(ParseBoardFile(text, "test board", file, error)) << error;
        ASSERT_TRUE(ApplyBoardFile(file, game, error)) << error;
    }

    // The colour of every cell as board-file text, rows up to the last
    // non-empty one.
    std::string Colours() const {
        const Board& board = game.board;
        std::string text;
        std::string pending;
        for (int row = 0; row < board.numy; ++row) {
            std::string line;
            bool any = false;
            for (int col = 0; col < board.numx; ++col) {
                const int colour = board.At(col, row).colour;
                line += col ? " " : "";
                line += colour ? std::to_string(colour) : ".";
                any = any || colour != 0;
            }
            pending += line + "\n";
            if (any) {
                text += pending;
                pending.clear();
            }
        }
        return text;
    }

    int Blocks() const {
        int count = 0;
        for (const Cell& cell : game.board.cells) {
            count += cell.colour != 0 ? 1 : 0;
        }
        return count;
    }

    const Cell& At(int col, int row) const { return game.board.At(col, row); }

    // A block of the colour in flight at (x, y), then the collision test.
    void Arrive(float x, float y, int colour) {
        game.flying.inFlight = true;
        game.flying.x = x;
        game.flying.y = y;
        game.flying.colour = colour;
        CheckCollision(game);
    }

    Game game;
};
