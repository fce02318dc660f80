#include "game/fail_screen.h"

#include "game/game.h"
#include "game/game_state.h"
#include "game/level_setup.h"
#include "game/result_screen.h"

void LoadFailScreen(ResultScreen& screen, Sounds* sounds) {
    LoadResultScreen(screen, "fail", sounds);
}

void UpdateFailScreen(Game& game, float dt) {
    if (UpdateResultScreen(game.failScreen, *game.hge, dt)) {
        RetryLevel(game);
    }
}

void RenderFailScreen(Game& game) {
    RenderResultScreen(game.failScreen, game.hud.resultDigits, game.score.total, game.score.level);
}

void RetryLevel(Game& game) {
    SetGameState(game, GameState::Ready);
    game.score.total -= game.score.level;
    game.score.level = 0;
    SetUpLevel(game, game.level.current);
    game.failScreen.active = false;
}
