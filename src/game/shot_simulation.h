// Trial shots: the current block fired at a chosen angle on a copy of the
// game, through the game's own launch, flight, collision, landing, matching
// and dropping, with no sound, no picture and no trace in the real game or
// in its random numbers. The replay tool's autoplay aims with it.
#pragma once

struct Game;

struct ShotOutcome {
    bool landed = false;  // the block stopped (in a cell, or lost beside an outer column)
    bool failed = false;  // the shot loses the level
    bool passed = false;  // the shot clears the board and wins the level
    // Blocks of the board as it was that left it: matched, dropped, swept or
    // blown up (the shot's own block not counted).
    int removed = 0;
    int settledCol = -1;  // the cell the block settled in, while it stays there; else -1
    int settledRow = -1;
    int sameColourNeighbours = -1;  // blocks of its colour around that cell; -1 without one
    int frames = 0;                 // frames of flight
};

// Fires the current block at `angle` on a copy of the game and flies it, dt
// seconds a frame, until it stops (at most 30 seconds of flight). The game
// lends its rule script to the copy and gets it back; the engine's random
// numbers are put back as they were. The game must have an engine (hge).
ShotOutcome SimulateShot(Game& game, float angle, float dt);
