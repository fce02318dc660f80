#include "board/advance.h"

#include "app/lua_globals.h"
#include "board/mark_array.h"
#include "engine/hge.h"
#include "game/game.h"
#include "game/game_state.h"

namespace {

bool TopRowHoldsBlock(const Board& board) {
    for (int col = 0; col < board.numx; ++col) {
        if (HoldsBlock(board.At(col, 0))) {
            return true;
        }
    }
    return false;
}

bool LastRowHoldsBlock(const Board& board) {
    for (int col = 0; col < board.numx; ++col) {
        if (HoldsBlock(board.At(col, board.numy - 1))) {
            return true;
        }
    }
    return false;
}

// The new top row is staggered against the old one: shifted when the old row
// 0 begins (at its first block) unshifted, else unshifted.
int NewRowShift(const Board& board) {
    for (int col = 0; col < board.numx; ++col) {
        const Cell& cell = board.At(col, 0);
        if (HoldsBlock(cell)) {
            return cell.shifted ? 0 : 1;
        }
    }
    return 0;
}

// Every block one row down, keeping its place across, its flag and its
// prop; an infected block wobbles once more on the way.
void MoveBlocksDown(Game& game) {
    Board& board = game.board;
    for (int row = board.numy - 1; row >= 1; --row) {
        for (int col = 0; col < board.numx; ++col) {
            Cell& upper = board.At(col, row - 1);
            if (!HoldsBlock(upper)) {
                continue;
            }
            Cell& lower = board.At(col, row);
            lower.colour = upper.colour;
            lower.kind = upper.kind;
            SetCellAnimation(game.blocks, lower.animation, upper.kind, upper.colour);
            lower.x = upper.x;
            lower.y = upper.y + board.rowPitch;
            lower.shifted = upper.shifted;
            lower.prop = upper.prop;
            upper.colour = 0;
            upper.kind = 0;
            upper.prop = 0;
            SetCellAnimation(game.blocks, upper.animation, AnimState::None, 0);
        }
    }
}

void PushNewRow(Game& game) {
    Board& board = game.board;
    HGE& hge = *game.hge;
    --game.level.needRemove;
    const int shifted = NewRowShift(board);
    MoveBlocksDown(game);
    hge.Random_Seed(0);
    const int colours = TruncateToInt(CallRule(game.rules, hge, "getBlockNum", game.level.current));
    FillRow(board, game.blocks, hge, 0, shifted, colours);
}

// The ceiling phase: the whole field one row pitch lower.
void LowerField(Game& game) {
    Board& board = game.board;
    board.BoardOriginY += board.rowPitch;
    if (static_cast<float>(board.bottomLine) <= board.BoardOriginY - 1.0f) {
        SetGameState(game, GameState::FailBanner);
        return;
    }
    int blocks = 0;
    for (int row = board.numy - 1; row >= 0; --row) {
        for (int col = 0; col < board.numx; ++col) {
            Cell& cell = board.At(col, row);
            cell.y += board.rowPitch;
            if (!HoldsBlock(cell)) {
                continue;
            }
            if (cell.y - 1.0f > static_cast<float>(board.bottomLine)) {
                SetGameState(game, GameState::FailBanner);
                cell.y -= board.rowPitch;
                ShiftBoardDown(board);
                return;
            }
            ++blocks;
        }
    }
    if (blocks == 0) {
        SetGameState(game, GameState::PassBanner);
    }
}

}  // namespace

void UpdateBoardTimer(Game& game, float dt) {
    // A landing earlier in this frame may have ended the level already; the
    // board must not advance it a second time (a won level could turn lost).
    if (game.gameState != GameState::Playing) {
        return;
    }
    Level& level = game.level;
    if (!TopRowHoldsBlock(game.board)) {
        level.fallTimer = 0.0f;
        AdvanceBoard(game);
        return;
    }
    level.fallTimer += dt;
    if (level.fallTime <= level.fallTimer) {
        level.fallTimer -= level.fallTime;  // the remainder carries over
        level.advanceDue = true;
    } else if (!level.advanceDue) {
        return;
    }
    // A due advance waits for the flying block to land.
    if (!game.flying.inFlight) {
        AdvanceBoard(game);
        level.advanceDue = false;
    }
}

void AdvanceBoard(Game& game) {
    Board& board = game.board;
    if (LastRowHoldsBlock(board)) {
        SetGameState(game, GameState::FailBanner);
        ShiftBoardDown(board);
        board.BoardOriginY += board.rowPitch;
        game.level.needRemove = 0;
        return;
    }
    if (game.level.needRemove > 0) {
        PushNewRow(game);
    } else {
        LowerField(game);
    }
}

void ShiftBoardDown(Board& board) {
    for (int row = board.numy - 1; row >= 0; --row) {
        for (int col = 0; col < board.numx; ++col) {
            board.At(col, row).y += board.rowPitch;
        }
    }
}
