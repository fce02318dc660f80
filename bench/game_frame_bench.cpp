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
    Game& game = session.game();
    const float dt = session.FrameDelta();
    const GameSession::Spot spot = session.StartFullBoardFlight();

    for (auto _ : state) {
        // The same stretch of flight every frame: it never reaches the board.
        game.flying.x = spot.x;
        game.flying.y = spot.y;
        GameFrame(session.app(), dt);
    }

    if (!session.StillInFlight()) {
        state.SkipWithError("the block landed or the level ended: the frames were not alike");
    }
}
BENCHMARK(BM_GameFrame);

}  // namespace
