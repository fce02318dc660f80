#include "game/shot_simulation.h"

#include "board/mark_array.h"
#include "engine/hge.h"
#include "game/flying_block.h"
#include "game/game.h"
#include "game/shooter.h"

#include <cstdint>
#include <utility>

namespace {

// The longest flight tried: a block that has not stopped by then never will
// (a rule script without speeds fires it at speed 0).
constexpr float kMaxFlightSeconds = 30.0f;

// The grid without the cells' animations: the trial has no templates, so its
// cells change colour without a picture to copy.
void CopyGrid(const Board& from, Board& to) {
    to.numx = from.numx;
    to.numy = from.numy;
    to.blockWidth = from.blockWidth;
    to.blockHeight = from.blockHeight;
    to.offsetX = from.offsetX;
    to.offsetY = from.offsetY;
    to.offsetYInt = from.offsetYInt;
    to.halfWidth = from.halfWidth;
    to.halfHeight = from.halfHeight;
    to.rowPitch = from.rowPitch;
    to.bottomLine = from.bottomLine;
    to.clipX = from.clipX;
    to.clipY = from.clipY;
    to.clipWidth = from.clipWidth;
    to.clipHeight = from.clipHeight;
    to.wallLeft = from.wallLeft;
    to.wallRight = from.wallRight;
    to.BoardOriginY = from.BoardOriginY;
    to.cells.resize(from.cells.size());
    for (size_t i = 0; i < from.cells.size(); ++i) {
        const Cell& cell = from.cells[i];
        Cell& copy = to.cells[i];
        copy.colour = cell.colour;
        copy.kind = cell.kind;
        copy.x = cell.x;
        copy.y = cell.y;
        copy.shifted = cell.shifted;
        copy.prop = cell.prop;
    }
}

// What a landing reads: the grid, the level and points, the props, and the
// shooter's pivot, aim limit and colours. No sounds, templates or screens.
void CopyForTrial(const Game& game, Game& trial) {
    trial.hge = game.hge;
    trial.screenWidth = game.screenWidth;
    trial.screenHeight = game.screenHeight;
    trial.gameState = game.gameState;
    trial.bannerKind = game.bannerKind;
    CopyGrid(game.board, trial.board);
    trial.level = game.level;
    trial.score = game.score;
    trial.props = game.props;
    const Shooter& shooter = game.shooter;
    trial.shooter.x = shooter.x;
    trial.shooter.y = shooter.y;
    trial.shooter.aimLimit = shooter.aimLimit;
    trial.shooter.limitTime = shooter.limitTime;
    trial.shooter.angle = shooter.angle;
    trial.shooter.current = shooter.current;
    trial.shooter.next = shooter.next;
    trial.shooter.coloursPresent = shooter.coloursPresent;
}

// Lends the game's rule script (its speeds) to the trial for as long as this
// lives; the random numbers drawn meanwhile (new shooter colours) are undone.
class Loan {
public:
    Loan(Game& game, Game& trial)
        : game_(game), trial_(trial), randomState_(game.hge->Random_GetState()) {
        game_.rules.state.swap(trial_.rules.state);
    }
    ~Loan() {
        game_.rules.state.swap(trial_.rules.state);
        game_.hge->Random_SetState(randomState_);
    }
    Loan(const Loan&) = delete;
    Loan& operator=(const Loan&) = delete;

private:
    Game& game_;
    Game& trial_;
    std::uint64_t randomState_;
};

}  // namespace

ShotOutcome SimulateShot(Game& game, float angle, float dt) {
    Game trial;
    CopyForTrial(game, trial);
    trial.shooter.angle = angle;
    ShotOutcome outcome;
    {
        Loan loan(game, trial);
        LaunchCurrentBlock(trial);
        const float limit = dt > 0.0f ? kMaxFlightSeconds / dt : 0.0f;
        while (trial.flying.inFlight && static_cast<float>(outcome.frames) < limit) {
            AdvanceShot(trial, dt);
            ++outcome.frames;
        }
    }
    outcome.landed = !trial.flying.inFlight;
    outcome.failed = trial.gameState == GameState::FailBanner;
    outcome.passed = trial.gameState == GameState::PassBanner;

    const Board& before = game.board;
    const Board& after = trial.board;
    for (size_t i = 0; i < after.cells.size(); ++i) {
        const bool was = HoldsBlock(before.cells[i]);
        const bool is = HoldsBlock(after.cells[i]);
        if (was && !is) {
            ++outcome.removed;
        } else if (!was && is && outcome.settledCol < 0) {
            outcome.settledCol = static_cast<int>(i) % after.numx;
            outcome.settledRow = static_cast<int>(i) / after.numx;
        }
    }
    if (outcome.settledCol >= 0) {
        const int colour = after.At(outcome.settledCol, outcome.settledRow).colour;
        outcome.sameColourNeighbours = 0;
        ForEachNeighbour(after, outcome.settledCol, outcome.settledRow,
                         [&after, &outcome, colour](int col, int row) {
                             if (after.At(col, row).colour == colour) {
                                 ++outcome.sameColourNeighbours;
                             }
                         });
    }
    return outcome;
}
