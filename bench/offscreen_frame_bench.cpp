// BM_OffscreenFrame: one whole pass of the engine's loop with the game in
// play on a full board and a block in flight: the frame function, then the
// render function drawn at 800×600 by the offscreen software renderer.
#include "bench_boards.h"
#include "game_session.h"

#include <benchmark/benchmark.h>

namespace {

void BM_OffscreenFrame(benchmark::State& state) {
    GameSession session(BUBBLEHIVE_GAME_DIR);
    if (!session.Ok()) {
        state.SkipWithError(session.Error().c_str());
        return;
    }
    Game& game = session.game();
    const GameSession::Spot spot = session.StartFullBoardFlight();

    for (auto _ : state) {
        game.flying.x = spot.x;
        game.flying.y = spot.y;
        session.RunOneLoopFrame();
    }

    if (!session.StillInFlight()) {
        state.SkipWithError("the block landed or the level ended: the frames were not alike");
    }
    state.counters["width"] = session.app().config.width;
    state.counters["height"] = session.app().config.height;
}
BENCHMARK(BM_OffscreenFrame);

}  // namespace
