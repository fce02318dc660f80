#include "game/pass_screen.h"

#include "game/game.h"
#include "game/game_state.h"
#include "game/level_setup.h"
#include "game/result_screen.h"

void LoadPassScreen(ResultScreen& screen, Sounds* sounds) {
    LoadResultScreen(screen, "pass", sounds);
}

void UpdatePassScreen(Game& game, float dt) {
    if (UpdateResultScreen(game.passScreen, *game.hge, dt)) {
        GoOnToNextLevel(game);
    }
}

void RenderPassScreen(Game& game) {
    RenderResultScreen(game.passScreen, game.hud.resultDigits, game.score.total, game.score.level);
}

void GoOnToNextLevel(Game& game) {
    SetGameState(game, GameState::Ready);
    game.level.current += 1;
    game.score.level = 0;
    SetUpLevel(game, game.level.current);
    game.passScreen.active = false;
}
