#include "board/prop_effects.h"

#include "board/dropping.h"
#include "board/landing.h"
#include "game/game.h"
#include "game/props.h"

#include <cmath>

namespace {

// The effect of a prop whose block left with `colour`, then the prop leaves
// the cell. A star flags its colour only when flagStar is set.
void ApplyProp(Game& game, Cell& cell, int colour, bool flagStar) {
    PropState& props = game.props;
    switch (cell.prop) {
        case PropKind::Fast:
        case PropKind::Slow:
            // A second speed prop restarts the countdown, it does not add to it.
            props.speedMode = cell.prop == PropKind::Fast ? SpeedMode::Fast : SpeedMode::Slow;
            props.speedTimer = ReadSpeedGlobal(game.rules, "ShootSpeedTime");
            break;
        case PropKind::Aim:
            props.aimLineOn = true;
            props.aimLineTimer = 0.0f;
            break;
        case PropKind::Bomb:
            props.bombShots = 1;  // set, not added: one bomb however many
            break;
        case PropKind::Infection:
            props.infectionShots = 1;
            break;
        case PropKind::Star:
            if (flagStar && colour >= 1 && colour <= kBlockColours) {
                props.starColours[colour - 1] = true;
            }
            break;
        default:
            break;
    }
    if (cell.prop >= 1 && cell.prop <= kPropKinds) {
        --props.propsOnBoard;
    }
    cell.prop = PropKind::None;
}

// Empties the cell and gives back the colour its block had.
int EmptyCell(Game& game, Cell& cell) {
    const int colour = cell.colour;
    cell.kind = 0;
    cell.colour = 0;
    SetCellAnimation(game.blocks, cell.animation, AnimState::None, 0);
    return colour;
}

}  // namespace

void ReleaseProp(Game& game, Cell& cell, int colour) {
    ApplyProp(game, cell, colour, true);
}

void ExplodeAround(Game& game, int col, int row) {
    Board& board = game.board;
    Cell& landed = board.At(col, row);
    const int colour = EmptyCell(game, landed);
    SpawnBombBurst(game.effects, game.blocks, std::trunc(landed.x), std::trunc(landed.y));
    ReleaseProp(game, landed, colour);
    // Every neighbour goes, empty or not; the one burst stands for them all.
    ForEachNeighbour(board, col, row, [&game, &board](int c, int r) {
        Cell& cell = board.At(c, r);
        const int former = EmptyCell(game, cell);
        ReleaseProp(game, cell, former);
    });
    DropDetached(game);
    CheckCleared(game);
}

void InfectAround(Game& game, int col, int row) {
    Board& board = game.board;
    const Cell& landed = board.At(col, row);
    const int colour = landed.colour;
    if (colour < 1 || colour > kBlockColours) {
        return;  // nothing settled here to spread from
    }
    SetCellAnimation(game.blocks, board.At(col, row).animation, AnimState::Hit, colour);
    ForEachNeighbour(board, col, row, [&game, &board, colour](int c, int r) {
        Cell& cell = board.At(c, r);
        if (cell.colour < 1 || cell.colour > kBlockColours) {
            return;
        }
        // Its prop rides on in the new colour.
        cell.kind = 2;
        cell.colour = colour;
        SetCellAnimation(game.blocks, cell.animation, AnimState::Hit, colour);
    });
}

void SweepStarColours(Game& game) {
    Board& board = game.board;
    PropState& props = game.props;
    for (Cell& cell : board.cells) {  // row by row from row 0, each from column 0
        if (cell.colour < 1 || cell.colour > kBlockColours || !props.starColours[cell.colour - 1]) {
            continue;
        }
        SpawnRemoval(game.effects, game.blocks, cell.colour, std::trunc(cell.x),
                     std::trunc(cell.y));
        const int colour = EmptyCell(game, cell);
        game.score.total += kPointsPerBlock;
        game.score.level += kPointsPerBlock;
        // A star taken by the sweep starts no sweep of its own.
        ApplyProp(game, cell, colour, false);
    }
}
