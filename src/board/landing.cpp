#include "board/landing.h"

#include "app/sound.h"
#include "board/dropping.h"
#include "board/prop_effects.h"
#include "game/game.h"
#include "game/shooter.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

void Play(Game& game, SoundId id) {
    if (game.sounds != nullptr) {
        PlaySound(*game.sounds, id, false);
    }
}

size_t IndexOf(const Board& board, int col, int row) {
    return static_cast<size_t>(row * board.numx + col);
}

void AddPoints(Game& game, int points) {
    game.score.total += points;
    game.score.level += points;
}

}  // namespace

void ResolveLanding(Game& game, int col, int row) {
    PropState& props = game.props;
    props.starColours.fill(false);

    // An armed bomb goes off where it landed.
    if (props.bombShots-- >= 1) {
        ExplodeAround(game, col, row);
        // Stars exploded or dropped by the blast sweep their colours.
        SweepStarColours(game);
        DropDetached(game);
        CheckCleared(game);
        RefreshShooterColours(game);
        Play(game, BombSound);
        return;
    }
    // An armed infection recolours the neighbours; nothing is matched.
    if (props.infectionShots-- >= 1) {
        InfectAround(game, col, row);
        RefreshShooterColours(game);
        Play(game, InfectionSound);
        return;
    }

    MarkArray marks = MakeMarks(game.board);
    int counter = 0;
    CountSameColour(game.board, marks, col, row, game.board.At(col, row).colour, counter);
    if (counter >= kMatchSize) {
        RemoveMarked(game, marks);
        AddPoints(game, kPointsPerBlock * counter);
        // Stars on the matched blocks sweep their colours before the drop; a
        // star that drops below comes too late to sweep.
        SweepStarColours(game);
        DropDetached(game);
        CheckCleared(game);
        RefreshShooterColours(game);
        Play(game, RemoveSound);
        return;
    }
    ShakeAround(game, col, row);
    Play(game, HitSound);
}

void CountSameColour(const Board& board, MarkArray& marks, int col, int row, int colour,
                     int& counter) {
    // A work list in place of recursion: a group can be as large as the grid.
    std::vector<std::pair<int, int>> pending = {{col, row}};
    while (!pending.empty()) {
        const auto [c, r] = pending.back();
        pending.pop_back();
        const size_t index = IndexOf(board, c, r);
        if (marks[index] || board.At(c, r).colour != colour) {
            continue;
        }
        ++counter;
        marks[index] = 1;
        ForEachNeighbour(board, c, r, [&pending](int nc, int nr) { pending.emplace_back(nc, nr); });
    }
}

void RemoveMarked(Game& game, const MarkArray& marks) {
    Board& board = game.board;
    for (int row = 0; row < board.numy; ++row) {
        for (int col = 0; col < board.numx; ++col) {
            if (!marks[IndexOf(board, col, row)]) {
                continue;
            }
            const Cell& cell = board.At(col, row);
            SpawnRemoval(game.effects, game.blocks, cell.colour, std::trunc(cell.x),
                         std::trunc(cell.y));
            TakeBlockOff(game, col, row);
        }
    }
}

void ShakeAround(Game& game, int col, int row) {
    Board& board = game.board;
    auto shake = [&game, &board](int c, int r) {
        AnimationHolder& holder = board.At(c, r).animation;
        const int colour = board.At(c, r).colour;
        if (colour >= 1 && colour <= kBlockColours) {
            SetCellAnimation(game.blocks, holder, AnimState::Hit, colour);
        }
    };
    shake(col, row);
    ForEachNeighbour(board, col, row, shake);
}

void TakeBlockOff(Game& game, int col, int row) {
    Cell& cell = game.board.At(col, row);
    const int colour = cell.colour;
    cell.kind = 0;
    cell.colour = 0;
    SetCellAnimation(game.blocks, cell.animation, AnimState::None, 0);
    ReleaseProp(game, cell, colour);
}
