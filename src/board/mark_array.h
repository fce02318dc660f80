// A scratch mark per cell, indexed like the grid, all clear when made: the
// matching and the attachment passes each take a fresh one.
#pragma once

#include "board/board.h"

#include <vector>

using MarkArray = std::vector<unsigned char>;

inline MarkArray MakeMarks(const Board& board) {
    return MarkArray(board.cells.size(), 0);
}

inline bool HoldsBlock(const Cell& cell) {
    return cell.colour >= 1 && cell.colour <= kBlockColours;
}
