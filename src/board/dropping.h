// Blocks no longer held from the top row fall off the board and score; an
// empty board with no rows to come wins the level.
#pragma once

#include "board/mark_array.h"

struct Board;
struct Game;

// Marks every block joined to (col, row) through occupied neighbours,
// whatever their colours.
void MarkAttached(const Board& board, MarkArray& marks, int col, int row);
// Every unmarked block falls off the board: 10 points each.
void DropUnattached(Game& game, const MarkArray& marks);
// The pass banner, when no rows are to come and no block is left.
void CheckCleared(Game& game);

// The usual sequence: a fresh mark array, MarkAttached from every block of
// row 0, column 0 first, then DropUnattached.
void DropDetached(Game& game);
