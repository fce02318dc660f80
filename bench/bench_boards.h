// The boards the benchmarks play on, and where a block can fly under a full
// board without touching it.
#pragma once

#include "board/board.h"
#include "game/game.h"

#include <cmath>

// Every cell holds a block of colours 1..6 in diagonal stripes; colour 7,
// the one that flies, is nowhere on the board.
inline constexpr int kFlyingColour = 7;
inline int FullBoardColour(int col, int row) {
    return 1 + (col + 2 * row) % 6;
}

// The largest landing: rows 0..6 and one column below them (kSpineColumn,
// rows 7..12) are colour 1, the last cell of that column is empty, and the
// rest of rows 7..13 are colours 2..7. A colour-1 block landing in the empty
// cell removes the whole colour-1 group, 91 blocks, and the other 77, held
// by nothing any more, drop.
inline constexpr int kSpineColumn = 5;
inline constexpr int kLargestGroup = 91;
inline constexpr int kLargestDrop = 77;
inline int LargestLandingColour(int col, int row) {
    if (row <= 6) {
        return 1;
    }
    if (col == kSpineColumn) {
        return row == 13 ? 0 : 1;
    }
    return 2 + (col + row) % 6;
}

// The centre height from which a block flying straight up at vy (negative,
// pixels a second) stays out of reach of the lowest row for one more frame
// of dt seconds: the collision test reaches one block width.
inline float HeightUnderFullBoard(const Board& board, float vy, float dt) {
    const float lowest = CellY(board, board.numy - 1);
    return lowest + static_cast<float>(board.blockWidth) + std::fabs(vy) * dt + 2.0f;
}
