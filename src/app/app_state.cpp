#include "app/app_state.h"

#include "app/sound.h"
#include "game/game_state.h"

void SetAppState(App& app, AppState state) {
    app.appState = state;
    if (state == AppState::Game) {
        // The ready banner with its sound, then GameState Ready.
        SetGameState(app.game, GameState::Ready);
        StopSound(app.sounds, MenuMusic);
    }
    if (state == AppState::Menu) {
        PlaySound(app.sounds, MenuMusic, true);
    }
}
