// BM_GameFrame: one GameFrame of play on a full board with a block in
// flight under it. The collision test then looks at every block each frame.
#include "bench_boards.h"
#include "game/game_frame.h"
#include "game_session.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GameFrame(benchmark::State& state) {
    GameSession session(BUBBLEHIVE_GAME_DIR);
    if (!session.Ok()) {
        state.SkipWithError(session.Error().c_str());
        return;
    }
    session.StartLevel(1);
    session.LayBoard(FullBoardColour);
    Game& game = session.game();
    const float dt = session.FrameDelta();
    session.Launch(kFlyingColour, 0.0f, 0.0f);
    const float x = static_cast<float>(game.shooter.x);
    const float y = HeightUnderFullBoard(game.board, game.flying.vy, dt);

    for (auto _ : state) {
        // The same stretch of flight every frame: it never reaches the board.
        game.flying.x = x;
        game.flying.y = y;
        GameFrame(session.app(), dt);
    }

    if (!game.flying.inFlight || game.gameState != GameState::Playing) {
        state.SkipWithError("the block landed or the level ended: the frames were not alike");
    }
}
BENCHMARK(BM_GameFrame);

}  // namespace
