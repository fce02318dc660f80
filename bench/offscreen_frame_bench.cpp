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
    session.StartLevel(1);
    session.LayBoard(FullBoardColour);
    Game& game = session.game();
    session.Launch(kFlyingColour, 0.0f, 0.0f);
    const float x = static_cast<float>(game.shooter.x);
    const float y = HeightUnderFullBoard(game.board, game.flying.vy, session.FrameDelta());

    for (auto _ : state) {
        game.flying.x = x;
        game.flying.y = y;
        session.RunOneLoopFrame();
    }

    if (!game.flying.inFlight || game.gameState != GameState::Playing) {
        state.SkipWithError("the block landed or the level ended: the frames were not alike");
    }
    state.counters["width"] = session.app().config.width;
    state.counters["height"] = session.app().config.height;
}
BENCHMARK(BM_OffscreenFrame);

}  // namespace
