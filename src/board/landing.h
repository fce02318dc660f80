// What a settled block does: explode an armed bomb, infect its neighbours, or
// match: a group of three or more of its colour leaves the board and scores,
// blocks that lost their hold drop, and a smaller group shakes.
#pragma once

#include "board/mark_array.h"

struct Board;
struct Game;

// Points for every block that leaves by matching or dropping.
inline constexpr int kPointsPerBlock = 10;
// The smallest group that is removed.
inline constexpr int kMatchSize = 3;

// Right after the block in (col, row) got its colour and Normal animation.
void ResolveLanding(Game& game, int col, int row);

// Marks and counts the connected group of `colour` through (col, row):
// every block reachable through blocks of exactly that colour value.
void CountSameColour(const Board& board, MarkArray& marks, int col, int row, int colour,
                     int& counter);
// Every marked block leaves with its removal animation; no points here.
void RemoveMarked(Game& game, const MarkArray& marks);
// The block in (col, row) and its occupied neighbours play Hit.
void ShakeAround(Game& game, int col, int row);

// Empties a cell whose block leaves the board; the prop it carried takes
// effect (ReleaseProp) and leaves with it.
void TakeBlockOff(Game& game, int col, int row);
