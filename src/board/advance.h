// The board presses down: every FallTime seconds of play a new row pushes in
// from the top while the level has rows to come, and afterwards the whole
// field moves down one row pitch under its ceiling.
#pragma once

struct Board;
struct Game;

// Every playing frame after UpdateBoard: advances at once while row 0 is
// empty, else when FallTime has run out and no block is in flight.
void UpdateBoardTimer(Game& game, float dt);
// One advance: a new row at the top, or the field one row lower; either may
// lose the level, the ceiling phase may also win it.
void AdvanceBoard(Game& game);
// Every cell one row pitch lower, so that a lost board shows where it was
// pushed to.
void ShiftBoardDown(Board& board);
