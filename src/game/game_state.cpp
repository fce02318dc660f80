#include "game/game_state.h"

#include "app/sound.h"
#include "game/banners.h"

namespace {

bool StartsBanner(int value) {
    return value == GameState::Ready || value == GameState::PassBanner ||
           value == GameState::FailBanner;
}

}  // namespace

void SetGameState(Game& game, int value) {
    if (StartsBanner(value)) {
        game.bannerKind = value;
        RestartBanner(game.banners, value);
        const bool quiet = game.gameState == GameState::Paused ||
                           game.gameState == GameState::GameMenu ||
                           game.gameState == GameState::Help;
        // A banner brought back after the menu or help starts again silently.
        if (!quiet && game.sounds != nullptr) {
            if (value == GameState::Ready) {
                PlaySound(*game.sounds, ReadySound, false);
                StopSound(*game.sounds, FailSound);
                StopSound(*game.sounds, PassSound);
            } else if (value == GameState::PassBanner) {
                PlaySound(*game.sounds, PassSound, false);
            } else {
                PlaySound(*game.sounds, FailSound, false);
            }
        }
    }
    game.gameState = value;
}
