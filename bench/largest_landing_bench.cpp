// BM_LargestLanding: the GameFrame in which a block lands, removes a group
// of 91 and drops the other 77 blocks of a full board. Each iteration lays
// the board afresh outside the timing.
#include "bench_boards.h"
#include "game/game_frame.h"
#include "game_session.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {

void BM_LargestLanding(benchmark::State& state) {
    GameSession session(BUBBLEHIVE_GAME_DIR);
    if (!session.Ok()) {
        state.SkipWithError(session.Error().c_str());
        return;
    }
    session.StartLevel(1);
    Game& game = session.game();
    const Level level = game.level;  // the advance after the landing uses up rows to come
    const float dt = session.FrameDelta();
    size_t removed = 0;
    size_t dropped = 0;

    for (auto _ : state) {
        session.LayBoard(LargestLandingColour);
        game.level = level;
        game.score = Score{};
        game.gameState = GameState::Playing;
        game.props.bombShots = 0;
        game.props.infectionShots = 0;
        // Straight up into the empty cell: after this frame's move its centre
        // is a little above the cell's, within reach of the block above.
        const Cell& target = game.board.At(kSpineColumn, game.board.numy - 1);
        session.Launch(1, target.x, 0.0f);
        game.flying.y = target.y - 3.0f - game.flying.vy * dt;

        const auto start = std::chrono::steady_clock::now();
        GameFrame(session.app(), dt);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());

        removed = game.effects.removals.size();
        dropped = game.effects.fallingBlocks.size();
    }

    state.counters["removed"] = static_cast<double>(removed);
    state.counters["dropped"] = static_cast<double>(dropped);
    if (removed != kLargestGroup || dropped != kLargestDrop) {
        const std::string message = "the landing removed " + std::to_string(removed) +
                                    " and dropped " + std::to_string(dropped) + " blocks";
        state.SkipWithError(message.c_str());
    }
}
BENCHMARK(BM_LargestLanding)->UseManualTime();

}  // namespace
