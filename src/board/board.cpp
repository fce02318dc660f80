#include "board/board.h"

#include "app/layout_script.h"
#include "app/lua_globals.h"
#include "engine/hge.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* kBoardScript = "script/block_config.luac";

// A grid side or block size the game can work with: at least one, and small
// enough that the grid and its pixel sums stay far from overflow.
constexpr int kMaxGridSide = 256;
constexpr int kMaxBlockSize = 1024;

int ClampParam(const std::string& source, const char* key, int value, int low, int high) {
    const int clamped = value < low ? low : (value > high ? high : value);
    if (clamped != value) {
        std::fprintf(stderr, "%s: %s %d is outside %d..%d; using %d\n", source.c_str(), key, value,
                     low, high, clamped);
    }
    return clamped;
}

}  // namespace

void LoadBoardConfig(Board& board) {
    LayoutScript layout("board", "", kBoardScript);
    BoardParams params;
    params.numx = layout.Int("block_numx");
    params.numy = layout.Int("block_numy");
    params.blockWidth = layout.Int("block_width");
    params.blockHeight = layout.Int("block_height");
    params.offsetX = layout.Int("block_offectx");
    params.offsetY = static_cast<float>(layout.Number("block_offecty"));
    ConfigureBoard(board, params, kBoardScript);
}

void ConfigureBoard(Board& board, BoardParams params, const std::string& source) {
    board.numx = ClampParam(source, "block_numx", params.numx, 1, kMaxGridSide);
    board.numy = ClampParam(source, "block_numy", params.numy, 1, kMaxGridSide);
    board.blockWidth = ClampParam(source, "block_width", params.blockWidth, 1, kMaxBlockSize);
    board.blockHeight = ClampParam(source, "block_height", params.blockHeight, 1, kMaxBlockSize);
    board.offsetX = params.offsetX;
    board.offsetY = params.offsetY;
    board.offsetYInt = TruncateToInt(params.offsetY);

    board.halfWidth = board.blockWidth / 2;
    board.halfHeight = board.blockHeight / 2;
    board.rowPitch = static_cast<float>(static_cast<double>(kSqrt3) * 0.5 * board.blockHeight);
    // The last row's centre at the starting place, carried in double and
    // with the fraction of block_offecty kept.
    board.bottomLine =
        TruncateToInt(static_cast<double>(kSqrt3) * 0.5 * (board.numy - 1) * board.blockHeight +
                      static_cast<double>(board.offsetY) + board.halfHeight);

    board.clipX = board.offsetX;
    board.clipY = board.offsetYInt;
    board.clipWidth = board.blockWidth * board.numx + board.halfWidth;
    board.clipHeight = TruncateToInt(static_cast<float>(board.blockHeight) +
                                     static_cast<float>(board.numy) * board.rowPitch);
    board.wallLeft = board.offsetX + board.halfWidth;
    board.wallRight = board.offsetX + board.blockWidth * board.numx;

    board.BoardOriginY = board.offsetY;
    board.cells =
        std::vector<Cell>(static_cast<size_t>(board.numx) * static_cast<size_t>(board.numy));
}

float CellX(const Board& board, int col, int shifted) {
    float x = static_cast<float>(board.halfWidth + board.offsetX) +
              static_cast<float>(board.blockWidth * col);
    if (shifted) {
        x += static_cast<float>(board.halfWidth);
    }
    return x;
}

float CellY(const Board& board, int row) {
    return static_cast<float>(board.halfHeight) + board.BoardOriginY +
           static_cast<float>(row) * board.rowPitch;
}

void PlaceCell(Board& board, int col, int row, int shifted) {
    Cell& cell = board.At(col, row);
    cell.shifted = shifted;
    cell.x = CellX(board, col, shifted);
    cell.y = CellY(board, row);
}

void ResetBoard(Board& board, const BlockAnimations& blocks, Effects& effects) {
    for (int row = 0; row < board.numy; ++row) {
        for (int col = 0; col < board.numx; ++col) {
            PlaceCell(board, col, row, row % 2);
            Cell& cell = board.At(col, row);
            cell.prop = 0;
            cell.kind = 0;
            cell.colour = 0;
            SetCellAnimation(blocks, cell.animation, AnimState::None, 0);
        }
    }
    ClearEffects(effects);
}

int ClampColours(int colours) {
    return ClampParam("level rules", "getBlockNum", colours, 1, kBlockColours);
}

void FillRow(Board& board, const BlockAnimations& blocks, HGE& hge, int row, int shifted,
             int colours) {
    if (row < 0 || row >= board.numy) {
        std::fprintf(stderr, "board: no row %d to fill in a grid of %d rows\n", row, board.numy);
        return;
    }
    colours = ClampColours(colours);
    for (int col = 0; col < board.numx; ++col) {
        PlaceCell(board, col, row, shifted);
        Cell& cell = board.At(col, row);
        cell.kind = 1;
        cell.colour = hge.Random_Int(1, colours);
        SetCellAnimation(blocks, cell.animation, AnimState::Normal, cell.colour);
    }
}

void UpdateBoard(Board& board, const BlockAnimations& blocks, Effects& effects, float dt) {
    for (int col = 0; col < board.numx; ++col) {
        for (int row = 0; row < board.numy; ++row) {
            AnimationHolder& holder = board.At(col, row).animation;
            if (!holder.animation || holder.state == AnimState::None) {
                continue;
            }
            holder.animation->Update(dt);
            // A finished Hit wobble returns to the looping Normal picture.
            if (holder.state == AnimState::Hit && !holder.animation->IsPlaying()) {
                SetCellAnimation(blocks, holder, AnimState::Normal, holder.colour);
            }
        }
    }
    UpdateBombBursts(effects, dt);
}

void RenderBoard(Board& board, Effects& effects, const PropIcons& propIcons) {
    for (int col = 0; col < board.numx; ++col) {
        for (int row = 0; row < board.numy; ++row) {
            Cell& cell = board.At(col, row);
            const float x = std::trunc(cell.x);
            const float y = std::trunc(cell.y);
            if (cell.animation.animation && cell.animation.state != AnimState::None) {
                cell.animation.animation->Render(x, y);
            }
            if (cell.prop >= 1 && cell.prop <= kPropKinds && propIcons[cell.prop - 1]) {
                propIcons[cell.prop - 1]->Render(x, y);
            }
        }
    }
    RenderBombBursts(effects);
}
