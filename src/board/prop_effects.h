// What props do to the board: a prop takes effect when its block leaves, an
// armed bomb blows up the landed block and its neighbours, an armed infection
// recolours them, and the star colours are swept off the whole board.
#pragma once

struct Cell;
struct Game;

// The cell's block has just left the board with `colour`: its prop takes
// effect (a star flags that colour) and leaves with it.
void ReleaseProp(Game& game, Cell& cell, int colour);
// The bomb landed in (col, row): it and every neighbour leave without points
// under one burst, their props released; then whatever lost its hold drops.
void ExplodeAround(Game& game, int col, int row);
// The infection landed in (col, row): every occupied neighbour takes its
// colour and becomes infected; all of them shake. Nothing is matched.
void InfectAround(Game& game, int col, int row);
// Every block of a flagged star colour leaves with its removal animation for
// 10 points, all flagged colours in one pass; props it takes take effect,
// but a star taken here flags nothing.
void SweepStarColours(Game& game);
