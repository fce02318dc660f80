// The field of blocks: a grid of staggered rows read once from
// script/block_config.luac, the cell record, where each cell sits, its
// neighbours, and the whole-board reset, fill, update and draw.
#pragma once

#include "board/block_animations.h"
#include "board/effects.h"

#include <array>
#include <string>
#include <vector>

class HGE;

// √3 in double precision, rounded to single precision.
inline constexpr float kSqrt3 = 1.7320508f;

// Prop kinds a block can carry; 0 is none.
inline constexpr int kPropKinds = 6;

struct Cell {
    int colour = 0;  // 0 empty, 1..7
    int kind = 0;    // 0 empty, 1 normal block, 2 infected block
    AnimationHolder animation;
    float x = 0.0f;  // centre, screen pixels
    float y = 0.0f;
    int shifted = 0;  // 1: half a block right of the plain grid
    int prop = 0;     // 0 none, 1..6
};

// The six keys of script/block_config.luac as read (before clamping).
struct BoardParams {
    int numx = 0;
    int numy = 0;
    int blockWidth = 0;
    int blockHeight = 0;
    int offsetX = 0;
    float offsetY = 0.0f;  // "block_offecty", fraction kept
};

struct Board {
    // Grid parameters.
    int numx = 0;
    int numy = 0;
    int blockWidth = 0;
    int blockHeight = 0;
    int offsetX = 0;       // "block_offectx"
    float offsetY = 0.0f;  // "block_offecty"
    int offsetYInt = 0;    // "block_offecty" truncated: where every level starts
    // Derived values.
    int halfWidth = 0;  // blockWidth / 2, integer division
    int halfHeight = 0;
    float rowPitch = 0.0f;  // √3 / 2 × blockHeight
    int bottomLine = 0;     // the last row's centre at the starting place
    int clipX = 0, clipY = 0, clipWidth = 0, clipHeight = 0;  // the field rectangle
    int wallLeft = 0;                                         // the flying block's side walls
    int wallRight = 0;
    // The current top edge of the field; moves down as the board advances.
    float BoardOriginY = 0.0f;

    std::vector<Cell> cells;  // row by row: index = row × numx + column

    bool Contains(int col, int row) const {
        return col >= 0 && col < numx && row >= 0 && row < numy;
    }
    Cell& At(int col, int row) { return cells[row * numx + col]; }
    const Cell& At(int col, int row) const { return cells[row * numx + col]; }
};

// The neighbours of (col, row) by its own shifted flag, in the fixed order
// left, right, upper-left, upper-right, lower-left, lower-right; only those
// inside the grid are visited, as visit(col, row).
template <typename Visit>
void ForEachNeighbour(const Board& board, int col, int row, Visit&& visit) {
    const int s = board.At(col, row).shifted ? 1 : 0;
    const int offsets[6][2] = {{-1, 0}, {1, 0}, {-1 + s, -1}, {0 + s, -1}, {-1 + s, 1}, {0 + s, 1}};
    for (const auto& d : offsets) {
        const int c = col + d[0];
        const int r = row + d[1];
        if (board.Contains(c, r)) {
            visit(c, r);
        }
    }
}

// Reads the grid from script/block_config.luac and sets the board up with it
// (ConfigureBoard).
void LoadBoardConfig(Board& board);
// Clamps the parameters to a usable grid (one stderr line naming source for
// each value changed), computes the derived values and allocates the cells.
void ConfigureBoard(Board& board, BoardParams params, const std::string& source);

// The cell's centre by the position rule, for its column, row and own
// shifted flag, at the current BoardOriginY.
float CellX(const Board& board, int col, int shifted);
float CellY(const Board& board, int row);
// Sets the cell's shifted flag and recomputes its x and y.
void PlaceCell(Board& board, int col, int row, int shifted);

// Every cell empty with row r shifted by r mod 2; the three effect lists
// emptied.
void ResetBoard(Board& board, const BlockAnimations& blocks, Effects& effects);
// A number of colours from the rules within 1..7 (one stderr line when it
// was not).
int ClampColours(int colours);
// Fills a row with normal blocks of random colours 1..colours (clamped to
// 1..7); a row outside the grid is reported and left alone.
void FillRow(Board& board, const BlockAnimations& blocks, HGE& hge, int row, int shifted,
             int colours);
// Advances the cells' animations column by column (a finished Hit turns
// back to Normal), then the bomb bursts.
void UpdateBoard(Board& board, const BlockAnimations& blocks, Effects& effects, float dt);
// The icon of prop kind k is propIcons[k - 1]; a null icon draws nothing
// (the props fill these in).
using PropIcons = std::array<hgeAnimation*, kPropKinds>;

// Draws the cells column by column, each with its prop icon, then the bomb
// bursts.
void RenderBoard(Board& board, Effects& effects, const PropIcons& propIcons = {});
