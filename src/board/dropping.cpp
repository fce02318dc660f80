#include "board/dropping.h"

#include "board/landing.h"
#include "game/game.h"
#include "game/game_state.h"

#include <cmath>
#include <utility>
#include <vector>

void MarkAttached(const Board& board, MarkArray& marks, int col, int row) {
    // A work list in place of recursion: a chain can run through the grid.
    std::vector<std::pair<int, int>> pending = {{col, row}};
    while (!pending.empty()) {
        const auto [c, r] = pending.back();
        pending.pop_back();
        const size_t index = static_cast<size_t>(r * board.numx + c);
        if (marks[index] || !HoldsBlock(board.At(c, r))) {
            continue;
        }
        marks[index] = 1;
        ForEachNeighbour(board, c, r, [&pending](int nc, int nr) { pending.emplace_back(nc, nr); });
    }
}

void DropUnattached(Game& game, const MarkArray& marks) {
    Board& board = game.board;
    for (int row = 0; row < board.numy; ++row) {
        for (int col = 0; col < board.numx; ++col) {
            const Cell& cell = board.At(col, row);
            if (marks[static_cast<size_t>(row * board.numx + col)] || !HoldsBlock(cell)) {
                continue;
            }
            SpawnFallingBlock(game.effects, game.blocks, cell.colour, std::trunc(cell.x),
                              std::trunc(cell.y));
            TakeBlockOff(game, col, row);
            game.score.total += kPointsPerBlock;
            game.score.level += kPointsPerBlock;
        }
    }
}

void CheckCleared(Game& game) {
    if (game.level.needRemove > 0) {
        return;  // more rows are still to come
    }
    for (const Cell& cell : game.board.cells) {
        if (cell.kind != 0) {
            return;
        }
    }
    SetGameState(game, GameState::PassBanner);
}

void DropDetached(Game& game) {
    Board& board = game.board;
    MarkArray marks = MakeMarks(board);
    for (int col = 0; col < board.numx; ++col) {
        if (HoldsBlock(board.At(col, 0))) {
            MarkAttached(board, marks, col, 0);
        }
    }
    DropUnattached(game, marks);
}
