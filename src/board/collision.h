// Where the flying block stops: at the height of the top row, or at the first
// board block it touches, beside or below which it settles.
#pragma once

struct Game;

// The single-precision cosine and sine of 60 degrees (1.0471975803375244
// radians, the float nearest it), which place the two lower candidates.
inline constexpr float kCos60 = 0.49999997f;
inline constexpr float kSin60 = 0.86602545f;

// Once per playing frame while a block flies: settles it into row 0 once it
// has risen to that row's centre line, or snaps it to the first block it
// touches in row-by-row order; otherwise it flies on.
void CheckCollision(Game& game);

// Settles a block of the colour that touched the block in (col, row), from
// the whole-pixel point (x, y): into the cell left, lower-left, lower-right
// or right of it, whichever candidate point is nearest. Beside an outer
// column the shot is lost; below the bottom line the level is lost.
void SnapToNeighbour(Game& game, int col, int row, int colour, int x, int y);
