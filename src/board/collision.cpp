#include "board/collision.h"

#include "board/landing.h"
#include "board/mark_array.h"
#include "game/game.h"
#include "game/game_state.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

enum Candidate { kLeft, kLowerLeft, kLowerRight, kRight };

struct Target {
    bool exists = false;  // inside the grid
    int col = 0;
    int row = 0;
    int shifted = 0;  // the flag a block settling there takes
};

// The cell a candidate around (col, row) stands for, and the flag it takes.
Target CandidateCell(const Board& board, int col, int row, Candidate candidate) {
    const int shifted = board.At(col, row).shifted;
    Target target;
    switch (candidate) {
        case kLeft:
            target = {true, col - 1, row, shifted};
            break;
        case kRight:
            target = {true, col + 1, row, shifted};
            break;
        case kLowerLeft:
            target = shifted ? Target{true, col, row + 1, 0}
                             : Target{true, std::max(col - 1, 0), row + 1, 1};
            break;
        case kLowerRight:
            target = shifted ? Target{true, std::min(col + 1, board.numx - 1), row + 1, 0}
                             : Target{true, col, row + 1, 1};
            break;
    }
    target.exists = board.Contains(target.col, target.row);
    return target;
}

// Lays the flying colour into the cell with the flag it takes; a cell whose
// centre ends more than a pixel below the bottom line loses the level
// instead.
void Settle(Game& game, const Target& target, int colour) {
    Board& board = game.board;
    PlaceCell(board, target.col, target.row, target.shifted);
    Cell& cell = board.At(target.col, target.row);
    if (cell.y - 1.0f > static_cast<float>(board.bottomLine)) {
        SetGameState(game, GameState::FailBanner);
        return;
    }
    cell.kind = 1;
    cell.colour = colour;
    SetCellAnimation(game.blocks, cell.animation, AnimState::Normal, colour);
    ResolveLanding(game, target.col, target.row);
}

// The first block, row by row from the top, within block_width of the
// flying block's centre; false when it touches none.
bool FindTouchedCell(const Game& game, int& touchedCol, int& touchedRow) {
    const Board& board = game.board;
    const float reach = static_cast<float>(board.blockWidth * board.blockWidth);
    for (int row = 0; row < board.numy; ++row) {
        for (int col = 0; col < board.numx; ++col) {
            const Cell& cell = board.At(col, row);
            if (!HoldsBlock(cell)) {
                continue;
            }
            const float dx = cell.x - game.flying.x;
            const float dy = cell.y - game.flying.y;
            if (dx * dx + dy * dy <= reach) {
                touchedCol = col;
                touchedRow = row;
                return true;
            }
        }
    }
    return false;
}

// The empty row-0 cell whose centre lies nearest the flying block, ties to
// the left; -1 when row 0 is full.
int NearestEmptyTopCell(const Board& board, float x) {
    int best = -1;
    float bestDistance = 0.0f;
    for (int col = 0; col < board.numx; ++col) {
        const Cell& cell = board.At(col, 0);
        if (HoldsBlock(cell)) {
            continue;
        }
        const float distance = std::fabs(CellX(board, col, cell.shifted) - x);
        if (best < 0 || distance < bestDistance) {
            best = col;
            bestDistance = distance;
        }
    }
    return best;
}

// The flying block has risen to the centre line of row 0: it settles in the
// row-0 cell under it, or the one to its right when that is taken. When both
// are taken (or there is no cell to the right) it takes the nearest empty
// cell of row 0 rather than overwrite a block; with row 0 full it meets a
// block like any contact.
void EnterTopRow(Game& game) {
    Board& board = game.board;
    FlyingBlock& flying = game.flying;
    const float offset =
        flying.x - static_cast<float>(board.offsetX) - static_cast<float>(board.halfWidth);
    int col = static_cast<int>(offset) / board.blockWidth;
    col = std::clamp(col, 0, board.numx - 1);
    if (HoldsBlock(board.At(col, 0))) {
        if (col + 1 < board.numx && !HoldsBlock(board.At(col + 1, 0))) {
            col = col + 1;
        } else {
            col = NearestEmptyTopCell(board, flying.x);
        }
    }
    flying.inFlight = false;
    if (col < 0) {
        int touchedCol = 0;
        int touchedRow = 0;
        if (!FindTouchedCell(game, touchedCol, touchedRow)) {
            // Nothing within reach: the block under it is the one in the way.
            touchedCol = std::clamp(static_cast<int>(offset) / board.blockWidth, 0, board.numx - 1);
        }
        SnapToNeighbour(game, touchedCol, touchedRow, flying.colour, static_cast<int>(flying.x),
                        static_cast<int>(flying.y));
        return;
    }
    // No bottom-line test in row 0; the cell keeps its own flag.
    PlaceCell(board, col, 0, board.At(col, 0).shifted);
    Cell& cell = board.At(col, 0);
    cell.kind = 1;
    cell.colour = flying.colour;
    SetCellAnimation(game.blocks, cell.animation, AnimState::Normal, flying.colour);
    ResolveLanding(game, col, 0);
}

}  // namespace

void CheckCollision(Game& game) {
    const Board& board = game.board;
    FlyingBlock& flying = game.flying;
    const float top = static_cast<float>(board.halfHeight) + board.BoardOriginY;
    if (flying.y <= top) {
        EnterTopRow(game);
        return;
    }
    int col = 0;
    int row = 0;
    if (FindTouchedCell(game, col, row)) {
        flying.inFlight = false;
        SnapToNeighbour(game, col, row, flying.colour, static_cast<int>(flying.x),
                        static_cast<int>(flying.y));
    }
}

void SnapToNeighbour(Game& game, int col, int row, int colour, int x, int y) {
    Board& board = game.board;
    const float s = static_cast<float>(board.blockWidth) * 0.5f;
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    // Blocks already snapped around, so that a search for room can never go
    // round in a circle.
    MarkArray visited = MakeMarks(board);
    for (;;) {
        visited[static_cast<size_t>(row * board.numx + col)] = 1;
        const Cell& touched = board.At(col, row);
        const float cx = touched.x;
        const float cy = touched.y;
        const std::array<std::array<float, 2>, 4> points = {{
            {cx - s, cy},
            {cx - s * kCos60, cy + s * kSin60},
            {cx + s * kCos60, cy + s * kSin60},
            {cx + s, cy},
        }};
        std::array<float, 4> distance{};
        for (size_t i = 0; i < points.size(); ++i) {
            const float dx = px - points[i][0];
            const float dy = py - points[i][1];
            distance[i] = dx * dx + dy * dy;
        }
        // Nearest first; a tie keeps the earlier candidate (left, lower-left,
        // lower-right, right).
        std::array<Candidate, 4> order = {kLeft, kLowerLeft, kLowerRight, kRight};
        std::stable_sort(order.begin(), order.end(), [&distance](Candidate a, Candidate b) {
            return distance[a] < distance[b];
        });

        const Candidate choice = order[0];
        if ((choice == kLeft && col - 1 < 0) || (choice == kRight && col + 1 >= board.numx)) {
            return;  // the shot is lost beside the outer column
        }
        const Target nearest = CandidateCell(board, col, row, choice);
        if (!nearest.exists) {
            SetGameState(game, GameState::FailBanner);  // below the last row
            return;
        }
        if (!HoldsBlock(board.At(nearest.col, nearest.row))) {
            Settle(game, nearest, colour);
            return;
        }
        // The nearest cell is taken (the block touched first was not the only
        // one in reach): never overwrite it, take the next nearest free one.
        for (size_t i = 1; i < order.size(); ++i) {
            const Target other = CandidateCell(board, col, row, order[i]);
            if (other.exists && !HoldsBlock(board.At(other.col, other.row))) {
                Settle(game, other, colour);
                return;
            }
        }
        // No room around this block: the block in the nearest cell is the one
        // actually in the way; snap around it instead.
        if (visited[static_cast<size_t>(nearest.row * board.numx + nearest.col)]) {
            return;  // boxed in on every side: the shot is lost
        }
        col = nearest.col;
        row = nearest.row;
    }
}
